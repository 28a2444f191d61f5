#include "modelling/ModelFit.h"

#include "kinematics/LeastSquares.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "modelling/CurveFit.h"
#include "modelling/Marquardt.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

namespace kolibra::modelling {

namespace model_fit_impl {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr const char *Letters = "rbcdkfghijlmnopq";

struct TNamedModel {
  int Type;
  const char *Name;
};
constexpr TNamedModel Names[] = {
    {mtConstant, "constant"},      {mtProportional, "proportional"},
    {mtAffine, "affine"},          {mtExponential, "exponential"},
    {mtParabola, "parabola"},      {mtSine, "sine"},
    {mtSineExpDamped, "damped-sine-exp"}, {mtSineLinDamped, "damped-sine-lin"},
};

// Polynomial families: coefficient count of the least-squares fit.
int PolynomialDegreeCount(int type) {
  switch (type) {
    case mtConstant:
      return 1;
    case mtAffine:
      return 2;
    case mtParabola:
      return 3;
    default:
      return 0;
  }
}

double SumOfSquares(int type, const TDoubleDynArray &p, const TDoubleDynArray &t,
                    const TDoubleDynArray &y) {
  const TDoubleDynArray model = ModelValues(type, p, t);
  double sum = 0.0;
  for (size_t i = 0; i < t.size(); ++i) sum += (y[i] - model[i]) * (y[i] - model[i]);
  return sum;
}

// Derivatives of the model with respect to each parameter at every sample, by central
// differences on ModelValue itself, so the stop of the linearly damped sine is accounted
// for and every family shares one rule.
TMatriceD Jacobian(int type, const TDoubleDynArray &p, const TDoubleDynArray &t) {
  const size_t m = p.size();
  TMatriceD j(t.size(), TDoubleDynArray(m, 0.0));
  TDoubleDynArray q = p;
  for (size_t k = 0; k < m; ++k) {
    const double h = 1e-6 * std::max(std::fabs(p[k]), 1e-3);
    q[k] = p[k] + h;
    const double hPlus = q[k] - p[k];
    const TDoubleDynArray up = ModelValues(type, q, t);
    q[k] = p[k] - h;
    const double hMinus = p[k] - q[k];
    const TDoubleDynArray down = ModelValues(type, q, t);
    for (size_t i = 0; i < t.size(); ++i) j[i][k] = (up[i] - down[i]) / (hPlus + hMinus);
    q[k] = p[k];
  }
  return j;
}

TDoubleDynArray CovarianceErrors(int type, const TDoubleDynArray &p, const TDoubleDynArray &t,
                                 double chi2) {
  const size_t m = p.size(), n = t.size();
  TDoubleDynArray errors(m, NaN);
  if (n <= m) return errors;
  const TMatriceD j = Jacobian(type, p, t);
  TMatriceD normal(m, TDoubleDynArray(m, 0.0));
  for (size_t i = 0; i < n; ++i)
    for (size_t a = 0; a < m; ++a)
      for (size_t b = 0; b < m; ++b) normal[a][b] += j[i][a] * j[i][b];
  const double variance = chi2 / double(n - m);
  for (size_t a = 0; a < m; ++a) {
    // Column a of the inverse of the normal matrix: its diagonal element is what we need.
    TDoubleDynArray unit(m, 0.0), column(m, 0.0);
    unit[a] = 1.0;
    if (GaussJordan(normal, unit, column)) return TDoubleDynArray(m, NaN);
    const double c = variance * column[a];
    errors[a] = c >= 0.0 && std::isfinite(c) ? std::sqrt(c) : NaN;
  }
  return errors;
}

bool IsSine(int type) { return type == mtSine || type == mtSineExpDamped || type == mtSineLinDamped; }

// The optimiser holds a sine's offset at a first estimate (the middle of the range or the
// mean), which leaves it off wherever the samples do not cover whole periods, and leaks
// that error into the frequency and the phase. Starting from that fit, every parameter is
// refined together; the refinement is kept only when it converges to a lower sum of squares
// with the amplitude and the frequency still positive.
void RefineWithOffset(int type, const TDoubleDynArray &t, const TDoubleDynArray &y, TDoubleDynArray &params,
                      int &result) {
  const auto chi2 = [&](const TDoubleDynArray &p) { return SumOfSquares(type, p, t, y); };
  const auto normal = [&](const TDoubleDynArray &p, TMatriceD &alpha, TDoubleDynArray &beta) {
    const TMatriceD j = Jacobian(type, p, t);
    const TDoubleDynArray model = ModelValues(type, p, t);
    const size_t m = p.size();
    for (size_t i = 0; i < t.size(); ++i) {
      const double r = y[i] - model[i];
      for (size_t a = 0; a < m; ++a) {
        beta[a] -= r * j[i][a];
        for (size_t b = 0; b < m; ++b) alpha[a][b] += j[i][a] * j[i][b];
      }
    }
  };
  TDoubleDynArray p = params;
  const double before = chi2(params);
  double after = before;
  TMarquardt optimiser;
  int refined = frNumericFault;
  try {
    refined = optimiser.Marquardt(chi2, normal, p, after);
  } catch (const std::exception &) {
    return;
  }
  const bool finite = std::all_of(p.begin(), p.end(), [](double v) { return std::isfinite(v); });
  if (refined != frOk || !finite || !(after <= before) || p[1] <= 0.0 || p[2] <= 0.0) return;
  params = p;
  result = frOk;
}

}  // namespace model_fit_impl

int ParameterCount(int type) {
  switch (type) {
    case mtConstant:
    case mtProportional:
      return 1;
    case mtAffine:
      return 2;
    case mtParabola:
      return 3;
    default:  // the families of the non-linear fit, or 0
      return TModelFunction::ModelCount(type);
  }
}

QString ParameterLetter(int index) {
  const QString letters = QString::fromLatin1(model_fit_impl::Letters);
  return index >= 0 && index < letters.size() ? QString(letters[index]) : QString();
}

double ModelValue(int type, const TDoubleDynArray &p, double t) {
  return ModelValues(type, p, TDoubleDynArray{t}).front();
}

TDoubleDynArray ModelValues(int type, const TDoubleDynArray &p, const TDoubleDynArray &t) {
  TDoubleDynArray y(t.size(), model_fit_impl::NaN);
  if (int(p.size()) < ParameterCount(type) || ParameterCount(type) == 0) return y;
  // The sines find the stop of their motion once per parameter set, not once per sample.
  TModelFunction f(type);
  if (type == mtSine || type == mtSineExpDamped || type == mtSineLinDamped)
    f.SetParams(TDoubleDynArray(p.begin() + 1, p.end()));
  for (size_t i = 0; i < t.size(); ++i) {
    const double x = t[i];
    switch (type) {
      case mtConstant:
        y[i] = p[0];
        break;
      case mtProportional:
        y[i] = p[0] * x;
        break;
      case mtAffine:
        y[i] = p[0] + p[1] * x;
        break;
      case mtParabola:
        y[i] = p[0] + p[1] * x + p[2] * x * x;
        break;
      case mtExponential:
        y[i] = p[0] + p[1] * std::exp(p[2] * x);
        break;
      default:
        y[i] = p[0] + f.Value(x);
        break;
    }
  }
  return y;
}

TModelFit FitModelCurve(int type, const TDoubleDynArray &T, const TDoubleDynArray &Y) {
  using namespace model_fit_impl;
  TModelFit fit;
  const int count = ParameterCount(type);
  if (count == 0) return fit;
  const size_t n = std::min(T.size(), Y.size());
  const TDoubleDynArray t(T.begin(), T.begin() + n), y(Y.begin(), Y.begin() + n);
  fit.Samples = int(n);
  if (n < size_t(count) + 1) {
    fit.Result = frTooFewSamples;
    return fit;
  }

  if (const int m = PolynomialDegreeCount(type); m > 0) {
    TDoubleDynArray coefs(size_t(m), 0.0);
    fit.Result = kinematics::LeastSquaresFit(m, t, coefs, y);
    if (fit.Result != kinematics::krOk) return fit;
    fit.Params = coefs;
  } else if (type == mtProportional) {
    double sumT = 0.0, sumY = 0.0;
    for (size_t i = 0; i < n; ++i) {
      sumT += t[i];
      sumY += y[i];
    }
    // The ratio of the means is the line through the origin and the centre of the points.
    if (IsNearZero(sumT) || IsHuge(sumY / double(n))) {
      fit.Result = frSingular;
      return fit;
    }
    fit.Params = {sumY / sumT};
    fit.Result = frOk;
  } else {
    fit.Result = FitModel(t, y, type, fit.Params);
    if (fit.Params.empty()) return fit;
    if (IsSine(type) && fit.Result == frOk) RefineWithOffset(type, t, y, fit.Params, fit.Result);
  }

  fit.Chi2 = SumOfSquares(type, fit.Params, t, y);
  if (type == mtProportional) {
    double sumT = 0.0;
    for (double v : t) sumT += v;
    const double s2 = fit.Chi2 / double(n - 1);
    fit.StdErrors = {std::sqrt(s2 * double(n)) / std::fabs(sumT)};
  } else {
    fit.StdErrors = CovarianceErrors(type, fit.Params, t, fit.Chi2);
  }
  return fit;
}

void SelectRange(const TDoubleDynArray &T, const TDoubleDynArray &Y, double from, double to,
                 TDoubleDynArray &rangeT, TDoubleDynArray &rangeY) {
  if (to < from) std::swap(from, to);
  rangeT.clear();
  rangeY.clear();
  const size_t n = std::min(T.size(), Y.size());
  for (size_t i = 0; i < n; ++i) {
    if (!(T[i] >= from && T[i] <= to)) continue;
    rangeT.push_back(T[i]);
    rangeY.push_back(Y[i]);
  }
}

TModelStats ModelStatistics(int type, const TDoubleDynArray &params, const TDoubleDynArray &T,
                            const TDoubleDynArray &Y) {
  using namespace model_fit_impl;
  TModelStats stats{NaN, NaN, NaN};
  const size_t n = std::min(T.size(), Y.size());
  if (n == 0 || int(params.size()) < ParameterCount(type)) return stats;
  const TDoubleDynArray data(Y.begin(), Y.begin() + n);
  const TDoubleDynArray model = ModelValues(type, params, TDoubleDynArray(T.begin(), T.begin() + n));
  if (!std::all_of(model.begin(), model.end(), [](double v) { return std::isfinite(v); }))
    return stats;
  stats.RmsDev = RmsDeviation(data, model);
  const double relative = RelativeRmsDeviation(data, model);
  stats.RelPrecision = relative < 0.0 ? NaN : relative;
  // The kit answers 0 for a flat series, where no correlation exists.
  const auto flat = [](const TDoubleDynArray &a) {
    return std::all_of(a.begin(), a.end(), [&a](double v) { return IsNearZero(v - a.front()); });
  };
  stats.Correlation = flat(data) || flat(model) ? NaN : Correlation(data, model);
  return stats;
}

bool ShowsCorrelation(int type) { return type == mtAffine || type == mtProportional; }

QString FitMessage(int result) {
  using namespace model_fit_impl;
  const char *text = nullptr;
  switch (result) {
    case frOk:
      return QString();
    case frSingular:
    case kinematics::krFitSingular:
      text = QT_TRANSLATE_NOOP(
          "ModelFitText", "The fit failed: the samples do not determine the model's parameters.");
      break;
    case frDampingLimit:
      text = QT_TRANSLATE_NOOP("ModelFitText",
                               "The fit failed: no step brought the model closer to the samples.");
      break;
    case frTooManyIterations:
      text = QT_TRANSLATE_NOOP("ModelFitText", "The fit did not converge within 50 iterations.");
      break;
    case frTooFewSamples:
    case kinematics::krFitTooFewPoints:
      text = QT_TRANSLATE_NOOP(
          "ModelFitText",
          "Too few samples for this model: it needs at least one more than its parameters.");
      break;
    case frNumericFault:
      text =
          QT_TRANSLATE_NOOP("ModelFitText", "The fit failed: a value became too big or too small.");
      break;
    case kinematics::krFitNoRange:
      text = QT_TRANSLATE_NOOP("ModelFitText",
                               "The fit failed: every sample lies at the same abscissa.");
      break;
    case frUnknownModel:
      text = QT_TRANSLATE_NOOP("ModelFitText", "First select a model (linear, parabolic, sine...)");
      break;
    default:
      return ModelFitText::tr("The fit failed (code %1).").arg(result);
  }
  return ModelFitText::tr(text);
}

QString ModelName(int type) {
  for (const auto &named : model_fit_impl::Names)
    if (named.Type == type) return QString::fromLatin1(named.Name);
  return QString();
}

int ModelTypeFromName(const QString &name) {
  for (const auto &named : model_fit_impl::Names)
    if (name == QLatin1String(named.Name)) return named.Type;
  return mtNone;
}

}  // namespace kolibra::modelling
