#pragma once
// The translation contexts of Kolibra's texts: one struct each, named as its context, so
// that a text is written Context::tr("...") and lupdate files it under the same context the
// program looks it up in (translations/). A window with Q_OBJECT uses its own tr().

#include <QCoreApplication>

namespace kolibra {

struct AviCompressorText {
  Q_DECLARE_TR_FUNCTIONS(AviCompressorText)
};
struct AviWriterText {
  Q_DECLARE_TR_FUNCTIONS(AviWriterText)
};
struct BoiteBasculerText {
  Q_DECLARE_TR_FUNCTIONS(BoiteBasculerText)
};
struct BoiteFormulesText {
  Q_DECLARE_TR_FUNCTIONS(BoiteFormulesText)
};
struct BoiteImprimerText {
  Q_DECLARE_TR_FUNCTIONS(BoiteImprimerText)
};
struct BoiteInstantText {
  Q_DECLARE_TR_FUNCTIONS(BoiteInstantText)
};
struct BoiteNomCouleurText {
  Q_DECLARE_TR_FUNCTIONS(BoiteNomCouleurText)
};
struct BoiteOptionsText {
  Q_DECLARE_TR_FUNCTIONS(BoiteOptionsText)
};
struct BoiteProprietesText {
  Q_DECLARE_TR_FUNCTIONS(BoiteProprietesText)
};
struct BoiteTempsText {
  Q_DECLARE_TR_FUNCTIONS(BoiteTempsText)
};
struct BoiteValeurText {
  Q_DECLARE_TR_FUNCTIONS(BoiteValeurText)
};
struct CalculatriceText {
  Q_DECLARE_TR_FUNCTIONS(CalculatriceText)
};
struct CaptureText {
  Q_DECLARE_TR_FUNCTIONS(CaptureText)
};
struct ClavierText {
  Q_DECLARE_TR_FUNCTIONS(ClavierText)
};
struct DSPlayText {
  Q_DECLARE_TR_FUNCTIONS(DSPlayText)
};
struct DSRecordText {
  Q_DECLARE_TR_FUNCTIONS(DSRecordText)
};
struct FileSearchText {
  Q_DECLARE_TR_FUNCTIONS(FileSearchText)
};
struct GElemText {
  Q_DECLARE_TR_FUNCTIONS(GElemText)
};
struct GraphCliText {
  Q_DECLARE_TR_FUNCTIONS(GraphCliText)
};
struct GraphText {
  Q_DECLARE_TR_FUNCTIONS(GraphText)
};
struct KinematicsResultsText {
  Q_DECLARE_TR_FUNCTIONS(KinematicsResultsText)
};
struct KlbVffText {
  Q_DECLARE_TR_FUNCTIONS(KlbVffText)
};
struct KlbText {
  Q_DECLARE_TR_FUNCTIONS(KlbText)
};
struct KolibraCliText {
  Q_DECLARE_TR_FUNCTIONS(KolibraCliText)
};
struct MainFormText {
  Q_DECLARE_TR_FUNCTIONS(MainFormText)
};
struct MdlText {
  Q_DECLARE_TR_FUNCTIONS(MdlText)
};
struct ModelFitText {
  Q_DECLARE_TR_FUNCTIONS(ModelFitText)
};
struct MontageText {
  Q_DECLARE_TR_FUNCTIONS(MontageText)
};
struct PasswordDlgText {
  Q_DECLARE_TR_FUNCTIONS(PasswordDlgText)
};
struct PlaneCalibrationText {
  Q_DECLARE_TR_FUNCTIONS(PlaneCalibrationText)
};
struct QuantitiesText {
  Q_DECLARE_TR_FUNCTIONS(QuantitiesText)
};
struct RecordCliText {
  Q_DECLARE_TR_FUNCTIONS(RecordCliText)
};
struct RecordMontageText {
  Q_DECLARE_TR_FUNCTIONS(RecordMontageText)
};
struct ResFormText {
  Q_DECLARE_TR_FUNCTIONS(ResFormText)
};
struct ServeurText {
  Q_DECLARE_TR_FUNCTIONS(ServeurText)
};
struct StudioText {
  Q_DECLARE_TR_FUNCTIONS(StudioText)
};
struct TrackingText {
  Q_DECLARE_TR_FUNCTIONS(TrackingText)
};
struct VfwPlayText {
  Q_DECLARE_TR_FUNCTIONS(VfwPlayText)
};
struct VfwRecordText {
  Q_DECLARE_TR_FUNCTIONS(VfwRecordText)
};
struct VideoWriterText {
  Q_DECLARE_TR_FUNCTIONS(VideoWriterText)
};
struct WorkCliText {
  Q_DECLARE_TR_FUNCTIONS(WorkCliText)
};
struct WrittenVideoText {
  Q_DECLARE_TR_FUNCTIONS(WrittenVideoText)
};
struct WorkbookText {
  Q_DECLARE_TR_FUNCTIONS(WorkbookText)
};

}  // namespace kolibra
