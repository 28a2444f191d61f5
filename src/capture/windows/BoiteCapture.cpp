#include "capture/windows/BoiteCapture.h"

#include "capture/V4l2Device.h"
#include "dialogs/DialogLook.h"
#include "kit/Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kolibra::capture {

namespace boite_capture {

QLabel *Note(QWidget *parent, const QStringList &lines) {
  auto *note = new QLabel(lines.join(QLatin1Char('\n')), parent);
  note->setWordWrap(true);
  return note;
}

// A number box offering some values, taking digits only, within its bounds.
QComboBox *NumberBox(QWidget *parent, const char *name, int minimum, int maximum, std::initializer_list<int> offered,
                     int value) {
  auto *box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setEditable(true);
  for (int v : offered) box->addItem(QString::number(v));
  box->setValidator(new QIntValidator(minimum, maximum, box));
  box->setEditText(QString::number(std::clamp(value, minimum, maximum)));
  return box;
}

int NumberOf(const QComboBox *box, int minimum, int maximum, int fallback) {
  bool ok = false;
  const int value = box->currentText().toInt(&ok);
  return ok ? std::clamp(value, minimum, maximum) : fallback;
}

const int Rates[] = {60, 30, 25, 20, 15, 10};

}  // namespace boite_capture

void TBoiteCapture::Execute(QWidget *parent, TCapture &capture, TCapturePage page) {
  using namespace boite_capture;
  capture.RefreshDevices();
  // Nothing to set up without a camera, and nothing may change while recording.
  if (capture.DeviceNames().isEmpty() || capture.Recording()) return;

  QDialog dialog(parent);
  dialogs::ApplyDialogLook(dialog, QStringLiteral("BoiteCapture"), CaptureText::tr("Capture setup"),
                           Font, colors::clBtnFace);
  auto *tabs = new QTabWidget(&dialog);
  tabs->setObjectName(QStringLiteral("Pages"));

  // Hardware.
  auto *hardware = new QWidget(tabs);
  auto *devices = new QListWidget(hardware);
  devices->setObjectName(QStringLiteral("ListDevices"));
  devices->addItems(capture.DeviceNames());
  {
    auto *layout = new QVBoxLayout(hardware);
    layout->addWidget(new QLabel(CaptureText::tr("Choose a capture device:"), hardware));
    layout->addWidget(devices);
    layout->addWidget(Note(
        hardware,
        {CaptureText::tr(
             "The two frameworks (VFW and DirectShow) can be used to control your capture device."),
         QString(),
         CaptureText::tr("The quality of the captured video can depend on this choice.")}));
  }
  // Compression.
  auto *compression = new QWidget(tabs);
  auto *codecs = new QListWidget(compression);
  codecs->setObjectName(QStringLiteral("ListCodecs"));
  codecs->addItems(capture.CodecNames());
  auto *configure = new QPushButton(CaptureText::tr("Configure"), compression);
  configure->setObjectName(QStringLiteral("ButtonConfigure"));
  // None of the codecs offered has settings of its own: they are set for frame-exact video.
  configure->setEnabled(false);
  {
    auto *layout = new QVBoxLayout(compression);
    layout->addWidget(
        new QLabel(CaptureText::tr("Compression Codec: %s").replace(QLatin1String("%s"), QString()),
                   compression));
    layout->addWidget(codecs);
    layout->addWidget(configure, 0, Qt::AlignLeft);
    layout->addWidget(Note(
        compression,
        {CaptureText::tr(
             "Codecs are not normalized. Evolution is constant and new versions are frequent."),
         QString(), CaptureText::tr("Choosing a Codec often requires experimenting.")}));
  }
  // Format.
  auto *formatPage = new QWidget(tabs);
  auto *formats = new QListWidget(formatPage);
  formats->setObjectName(QStringLiteral("ListFormats"));
  {
    auto *layout = new QVBoxLayout(formatPage);
    layout->addWidget(new QLabel(CaptureText::tr("Capture format:"), formatPage));
    layout->addWidget(formats);
    layout->addWidget(Note(
        formatPage,
        {CaptureText::tr("The size of the images and the number of frames per second are related."),
         CaptureText::tr(
             "The different pairs of values are required by the capture device driver.")}));
  }
  // Frame rate.
  auto *ratePage = new QWidget(tabs);
  auto *rates = new QListWidget(ratePage);
  rates->setObjectName(QStringLiteral("ListRates"));
  for (int fps : Rates) rates->addItem(CaptureText::tr("%1 fps").arg(fps));
  {
    auto *layout = new QVBoxLayout(ratePage);
    layout->addWidget(new QLabel(CaptureText::tr("Number of frames per second (fps):"), ratePage));
    layout->addWidget(rates);
    layout->addWidget(Note(
        ratePage,
        {CaptureText::tr("The requested value will not be fully respected by the capture device."),
         QString(),
         CaptureText::tr("Images of large size and a high number of frames per second are often "
                         "incompatible.")}));
  }
  // Timer.
  auto *timer = new QWidget(tabs);
  auto *delayCheck = new QCheckBox(CaptureText::tr("Start recording after"), timer);
  delayCheck->setObjectName(QStringLiteral("CheckDelay"));
  delayCheck->setChecked(capture.DelayEnabled);
  auto *delay = NumberBox(timer, "EditDelay", 1, 120, {2, 5, 10, 15, 30, 45}, capture.Delay);
  auto *beep = new QCheckBox(CaptureText::tr("Beep"), timer);
  beep->setObjectName(QStringLiteral("CheckBeep"));
  beep->setChecked(capture.BeepAtStart);
  auto *durationCheck = new QCheckBox(CaptureText::tr("Recording duration"), timer);
  durationCheck->setObjectName(QStringLiteral("CheckDuration"));
  durationCheck->setChecked(capture.DurationEnabled);
  auto *duration = NumberBox(timer, "EditDuration", 1, 600, {5, 10, 15, 20, 30, 45, 60}, capture.Duration);
  {
    auto *layout = new QVBoxLayout(timer);
    auto *first = new QHBoxLayout;
    first->addWidget(delayCheck);
    first->addWidget(delay);
    first->addWidget(new QLabel(CaptureText::tr("second(s)"), timer));
    first->addStretch();
    layout->addLayout(first);
    layout->addWidget(beep);
    auto *second = new QHBoxLayout;
    second->addWidget(durationCheck);
    second->addWidget(duration);
    second->addWidget(new QLabel(CaptureText::tr("second(s)"), timer));
    second->addStretch();
    layout->addLayout(second);
    layout->addStretch();
  }
  const auto timerStates = [=] {
    delay->setEnabled(delayCheck->isChecked());
    beep->setEnabled(delayCheck->isChecked());
    duration->setEnabled(durationCheck->isChecked());
  };
  QObject::connect(delayCheck, &QCheckBox::toggled, &dialog, timerStates);
  QObject::connect(durationCheck, &QCheckBox::toggled, &dialog, timerStates);
  timerStates();

  tabs->addTab(hardware, CaptureText::tr("Hardware"));
  tabs->addTab(compression, CaptureText::tr("Compression"));
  tabs->addTab(formatPage, CaptureText::tr("Format"));
  tabs->addTab(ratePage, CaptureText::tr("Frame rate"));
  tabs->addTab(timer, CaptureText::tr("Timer"));

  // The lists follow the controller; the pages follow the camera's framework.
  const auto refill = [&capture, formats, rates, codecs, devices, tabs] {
    const QSignalBlocker a(formats), b(rates), c(codecs), d(devices);
    formats->clear();
    formats->addItems(capture.FormatNames());
    formats->setCurrentRow(capture.FormatIndex());
    codecs->setCurrentRow(capture.CodecIndex() + 1);
    devices->setCurrentRow(capture.DeviceIndex());
    int rate = 1;
    for (int i = 0; i < 6; ++i)
      if (Rates[i] == capture.CaptureRate) rate = i;
    rates->setCurrentRow(rate);
    const bool selected = capture.DeviceIndex() >= 0;
    const bool vfw = capture.CaptureFramework == cfAvDevice;
    tabs->setTabVisible(cpCompression, selected);
    tabs->setTabVisible(cpFormat, selected);
    tabs->setTabVisible(cpFrameRate, selected && vfw);
  };
  refill();
  QObject::connect(devices, &QListWidget::currentRowChanged, &dialog, [&capture, refill](int row) {
    capture.SelectDevice(row);
    refill();
  });
  QObject::connect(formats, &QListWidget::currentRowChanged, &dialog, [&capture](int row) { capture.SelectFormat(row); });
  QObject::connect(codecs, &QListWidget::currentRowChanged, &dialog, [&capture](int row) { capture.SelectCodec(row - 1); });
  QObject::connect(rates, &QListWidget::currentRowChanged, &dialog, [&capture](int row) {
    if (row >= 0 && row < 6) capture.SetCaptureRate(Rates[row]);
  });

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto *layout = new QVBoxLayout(&dialog);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  if (tabs->isTabVisible(page)) tabs->setCurrentIndex(page);
  if (OnShown) QTimer::singleShot(0, &dialog, [this, &dialog] { OnShown(&dialog); });
  dialog.exec();

  capture.DelayEnabled = delayCheck->isChecked();
  capture.Delay = NumberOf(delay, 1, 120, capture.Delay);
  capture.BeepAtStart = beep->isChecked();
  capture.DurationEnabled = durationCheck->isChecked();
  capture.Duration = NumberOf(duration, 1, 600, capture.Duration);
}

void TBoiteControles::Execute(QWidget *parent, TCapture &capture) {
  const TCaptureDevice *device = capture.Device();
  if (device == nullptr || capture.Recording()) return;
  QDialog dialog(parent);
  dialogs::ApplyDialogLook(dialog, QStringLiteral("BoiteControles"),
                           CaptureText::tr("Capture device properties"), Font, colors::clBtnFace);
  auto *layout = new QVBoxLayout(&dialog);
  auto *form = new QFormLayout;
  const std::vector<v4l2::TControl> controls = device->Node.isEmpty() ? std::vector<v4l2::TControl>()
                                                                      : v4l2::Controls(device->Node);
  const QString node = device->Node;
  auto *failure = new QLabel(&dialog);
  failure->setObjectName(QStringLiteral("LabelFailure"));
  const auto set = [node, failure](uint32_t id, int value) {
    QString reason;
    failure->setText(v4l2::SetControl(node, id, value, reason) ? QString() : reason);
  };
  for (const v4l2::TControl &c : controls) {
    QWidget *editor = nullptr;
    switch (c.Kind) {
      case v4l2::ckBoolean: {
        auto *check = new QCheckBox(&dialog);
        check->setChecked(c.Value != 0);
        QObject::connect(check, &QCheckBox::toggled, &dialog, [set, id = c.Id](bool on) { set(id, on ? 1 : 0); });
        editor = check;
        break;
      }
      case v4l2::ckMenu: {
        auto *combo = new QComboBox(&dialog);
        combo->addItems(c.MenuItems);
        const auto at = std::find(c.MenuValues.begin(), c.MenuValues.end(), c.Value);
        combo->setCurrentIndex(at != c.MenuValues.end() ? int(at - c.MenuValues.begin()) : 0);
        QObject::connect(combo, &QComboBox::currentIndexChanged, &dialog, [set, id = c.Id, values = c.MenuValues](int i) {
          if (i >= 0 && i < int(values.size())) set(id, values[size_t(i)]);
        });
        editor = combo;
        break;
      }
      case v4l2::ckButton: {
        auto *button = new QPushButton(c.Name, &dialog);
        QObject::connect(button, &QPushButton::clicked, &dialog, [set, id = c.Id] { set(id, 1); });
        editor = button;
        break;
      }
      default: {
        auto *slider = new QSlider(Qt::Horizontal, &dialog);
        slider->setRange(c.Minimum, c.Maximum);
        slider->setSingleStep(c.Step);
        slider->setValue(c.Value);
        QObject::connect(slider, &QSlider::valueChanged, &dialog, [set, id = c.Id](int v) { set(id, v); });
        editor = slider;
        break;
      }
    }
    editor->setEnabled(!c.ReadOnly);
    form->addRow(c.Name, editor);
  }
  if (controls.empty())
    layout->addWidget(
        new QLabel(CaptureText::tr("This capture device has no settings of its own."), &dialog));
  layout->addLayout(form);
  layout->addWidget(failure);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.exec();
}

void TCaptureWindows::Beep() {
  // The system's bell: the 3,000 Hz tone of the past needs a sound device Kolibra does not own.
  QApplication::beep();
}

}  // namespace kolibra::capture
