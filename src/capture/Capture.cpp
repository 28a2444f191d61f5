// The capture controller's devices, formats, codecs, settings, connection and buttons.

#include "capture/Capture.h"

#include "capture/AvDeviceCapture.h"
#include "capture/GstCapture.h"
#include "kit/IniFile.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"

#include <QCoreApplication>

namespace kolibra::capture {

namespace capture_controller {

const QString Section = QStringLiteral("Capture");

QString Suffix(int framework) {
  return framework == cfAvDevice ? QStringLiteral(" (VFW)") : QStringLiteral(" (DirectShow)");
}

}  // namespace capture_controller

TCapture::TCapture(const QString &optionsFile, const QString &temporaryFolder, ICaptureDialogs &dialogs,
                   QObject *parent)
    : QObject(parent), Dialogs(dialogs), FOptionsFile(optionsFile), FTemporaryFolder(temporaryFolder) {
  FBackends[0] = std::make_unique<TAvDeviceCapture>();
  FBackends[1] = std::make_unique<TGstCapture>();
  FTicker.setInterval(1000);
  connect(&FTicker, &QTimer::timeout, this, [this] { Tick(); });
  FReconnect.setInterval(1000);
  connect(&FReconnect, &QTimer::timeout, this, [this] { CheckReconnection(); });
}

TCapture::~TCapture() {
  FTicker.stop();
  FReconnect.stop();
  {
    std::lock_guard<std::mutex> lock(FFrameLock);
    FRecording = nullptr;
  }
  StopBackends();
  if (FRecorder) FRecorder->Finish();
  FRecorder.reset();
  // A recording never saved stays in the temporary folder, unlocked, for the next run to
  // clear; an unused name goes.
  ReleaseTempFile(FState != csRecording && FState != csSaving);
  if (!SettingsPending) SaveSettings();
}

void TCapture::SetBackend(int framework, std::unique_ptr<ICaptureBackend> backend) {
  StopBackends();
  FBackends[size_t(framework == cfGStreamer)] = std::move(backend);
  FDevicesListed = false;
  FDeviceIndex = -1;
  FFormats.clear();
  FFormatIndex = -1;
  FState = csIdle;
}

void TCapture::StopBackends() {
  for (auto &backend : FBackends)
    if (backend) backend->Stop();
}

// ---------------------------------------------------------------------------------------------
// Devices, formats and codecs
// ---------------------------------------------------------------------------------------------

void TCapture::RefreshDevices() {
  const TCaptureDevice *current = Device();
  const TCaptureDevice keep = current != nullptr ? *current : TCaptureDevice();
  for (int f : {cfAvDevice, cfGStreamer}) {
    FDevices[size_t(f)] = Backend(f).Devices();
    // Video for Windows knew drivers 0 to 9 only.
    if (f == cfAvDevice && FDevices[0].size() > 10) FDevices[0].resize(10);
  }
  FDevicesListed = true;
  FDeviceIndex = -1;
  const auto &list = FDevices[size_t(CaptureFramework == cfGStreamer)];
  for (size_t i = 0; i < list.size(); ++i)
    if (!keep.Name.isEmpty() && list[i] == keep) FDeviceIndex = int(i);
}

QStringList TCapture::DeviceNames(bool withSuffix) const {
  QStringList names;
  for (int f : {cfAvDevice, cfGStreamer})
    for (const TCaptureDevice &d : FDevices[size_t(f)])
      names << d.Name + (withSuffix ? capture_controller::Suffix(f) : QString());
  return names;
}

int TCapture::DeviceIndex() const {
  if (FDeviceIndex < 0) return -1;
  return CaptureFramework == cfAvDevice ? FDeviceIndex : int(FDevices[0].size()) + FDeviceIndex;
}

int TCapture::DeviceFramework(int index) const { return index < int(FDevices[0].size()) ? cfAvDevice : cfGStreamer; }

const TCaptureDevice *TCapture::Device() const {
  const auto &list = FDevices[size_t(CaptureFramework == cfGStreamer)];
  return FDeviceIndex >= 0 && FDeviceIndex < int(list.size()) ? &list[size_t(FDeviceIndex)] : nullptr;
}

QStringList TCapture::FormatNames() const {
  QStringList names;
  for (const TCaptureFormat &f : FFormats) names << f.Name;
  return names;
}

const TCaptureFormat *TCapture::Format() const {
  return FFormatIndex >= 0 && FFormatIndex < int(FFormats.size()) ? &FFormats[size_t(FFormatIndex)] : nullptr;
}

QStringList TCapture::CodecNames() const {
  QStringList names{CaptureText::tr("without")};
  for (const QString &codec : RecordingCodecs()) names << codec;
  return names;
}

QString TCapture::CodecName() const {
  return FCodecIndex >= 0 && FCodecIndex < int(RecordingCodecs().size()) ? RecordingCodecs()[size_t(FCodecIndex)]
                                                                         : QString();
}

void TCapture::SelectDevice(int index) {
  if (!FDevicesListed) RefreshDevices();
  const int framework = DeviceFramework(index);
  const int within = framework == cfAvDevice ? index : index - int(FDevices[0].size());
  if (index < 0 || within < 0 || within >= int(FDevices[size_t(framework == cfGStreamer)].size())) return;
  if (framework == CaptureFramework && within == FDeviceIndex) return;
  // A recording (or a delayed start) ends before the camera changes.
  if (Recording()) StopRecording();
  StopPreview();
  CaptureFramework = framework;
  FDeviceIndex = within;
  FFormats = Current().Formats(*Device());
  FFormatIndex = FFormats.empty() ? -1 : 0;
  FConnectedSettingsStale = true;
}

void TCapture::SelectFormat(int index) {
  if (index == FFormatIndex || index < 0 || index >= int(FFormats.size())) return;
  if (Recording()) StopRecording();
  StopPreview();
  FFormatIndex = index;
  FConnectedSettingsStale = true;
}

void TCapture::SelectCodec(int index) {
  if (index == FCodecIndex) return;
  if (Recording()) StopRecording();
  FCodecIndex = index >= 0 && index < int(RecordingCodecs().size()) ? index : -1;
}

void TCapture::SetCaptureRate(int fps) {
  if (fps <= 0 || fps == CaptureRate) return;
  if (Recording()) StopRecording();
  if (CaptureFramework == cfAvDevice) StopPreview();
  CaptureRate = fps;
  FConnectedSettingsStale = true;
}

// ---------------------------------------------------------------------------------------------
// Settings
// ---------------------------------------------------------------------------------------------

void TCapture::PrepareOnce() {
  if (!SettingsPending) return;
  SettingsPending = false;
  LoadSettings();
}

void TCapture::LoadSettings() {
  RefreshDevices();
  if (FOptionsFile.isEmpty()) return;
  const TIniFile ini(FOptionsFile);
  const QString &section = capture_controller::Section;
  const int framework = ini.ReadInteger(section, QStringLiteral("Framework"), cfGStreamer) == cfAvDevice ? cfAvDevice
                                                                                                         : cfGStreamer;
  const QString device = ini.ReadString(section, QStringLiteral("Device"), QString());
  const QString format = ini.ReadString(section, QStringLiteral("Format"), QString());
  const QString codec = ini.ReadString(section, QStringLiteral("Codec"), QString());
  CaptureFramework = framework;
  FDeviceIndex = -1;
  FFormatIndex = -1;
  FCodecIndex = -1;
  if (device.isEmpty()) return;
  // The saved framework's camera of that name first: both back-ends list the test pattern.
  const QStringList names = DeviceNames(false);
  int found = -1;
  for (int pass = 0; pass < 2 && found < 0; ++pass)
    for (int i = 0; i < names.size() && found < 0; ++i)
      if (names[i].compare(device, Qt::CaseInsensitive) == 0 && (pass == 1 || DeviceFramework(i) == framework)) found = i;
  if (found < 0) return;
  SelectDevice(found);
  const QStringList formats = FormatNames();
  const int formatIndex = formats.indexOf(format);
  if (formatIndex >= 0) FFormatIndex = formatIndex;
  const QStringList codecs = CodecNames();
  for (int i = 1; i < codecs.size(); ++i)
    if (codecs[i] == codec) FCodecIndex = i - 1;
}

void TCapture::SaveSettings() const {
  if (FOptionsFile.isEmpty()) return;
  TIniFile ini(FOptionsFile);
  const QString &section = capture_controller::Section;
  const TCaptureDevice *device = Device();
  const TCaptureFormat *format = Format();
  ini.WriteInteger(section, QStringLiteral("Framework"), CaptureFramework);
  ini.WriteString(section, QStringLiteral("Device"), device != nullptr ? device->Name : QString());
  ini.WriteString(section, QStringLiteral("Format"), format != nullptr ? format->Name : QString());
  ini.WriteString(section, QStringLiteral("Codec"), CodecName());
  ini.UpdateFile();
}

// ---------------------------------------------------------------------------------------------
// Connection
// ---------------------------------------------------------------------------------------------

bool TCapture::HasDevice() const { return Device() != nullptr; }

void TCapture::ChooseDevice() {
  if (!FDevicesListed) RefreshDevices();
  Dialogs.ShowSetup(*this, cpHardware);
}

bool TCapture::PrepareDevices() {
  PrepareOnce();
  if (!HasDevice()) ChooseDevice();
  return HasDevice() && Connect();
}

bool TCapture::Connect() {
  if (!FDevicesListed) RefreshDevices();
  if (FDevices[0].empty() && FDevices[1].empty()) {
    TMessageBox(icInformation)
        .AddLine(CaptureText::tr("No capture device found."))
        .AddButton(CaptureText::tr("Ok"))
        .Execute();
    return false;
  }
  const TCaptureDevice *device = Device();
  if (device == nullptr) {
    TMessageBox(icInformation)
        .AddLine(CaptureText::tr("No capture device selected."))
        .AddButton(CaptureText::tr("Ok"))
        .Execute();
    return false;
  }
  if (IsPreviewing() && !FConnectedSettingsStale) return true;
  if (Recording()) return true;
  StopPreview();
  if (FFormats.empty()) {
    FFormats = Current().Formats(*device);
    FFormatIndex = FFormats.empty() ? -1 : 0;
  }
  const TCaptureFormat *format = Format();
  QString reason;
  const bool started =
      format != nullptr &&
      Current().Start(*device, *format, video::TFrameRate::Exact(uint64_t(std::max(1, CaptureRate)), 1), this, reason);
  if (!started) {
    TMessageBox box(icInformation);
    box.AddLine(CaptureText::tr("The selected capture device does not respond."));
    if (!reason.isEmpty()) box.AddLine(reason);
    box.AddButton(CaptureText::tr("Ok")).Execute();
    return false;
  }
  FConnectedSettingsStale = false;
  FReconnect.stop();
  SetState(csPreviewing);
  return true;
}

void TCapture::StopPreview() {
  if (Recording()) return;
  Current().Stop();
  {
    std::lock_guard<std::mutex> lock(FFrameLock);
    FPreview = QImage();
  }
  if (FState == csPreviewing) SetState(csIdle);
}

void TCapture::SetPreviewAllowed(bool allowed) {
  FPreviewAllowed = allowed;
  if (!allowed) FReconnect.stop();
}

// ---------------------------------------------------------------------------------------------
// Buttons
// ---------------------------------------------------------------------------------------------

void TCapture::ButtonClicked(TCaptureButton button) {
  if (button == cbEnregistrer) {
    RecordButton();
    return;
  }
  // The setup and the camera's settings wait while a recording (or its delay) runs.
  if (Recording() || FState == csSaving) return;
  const bool vfw = CaptureFramework == cfAvDevice;
  switch (button) {
    case cbDevice:
      ChooseDevice();
      break;
    case cbConfigurer:
      Dialogs.ShowDeviceControls(*this);
      break;
    case cbFormat:
    case cbVitesse:
      Dialogs.ShowSetup(*this, vfw && button == cbVitesse ? cpFrameRate : cpFormat);
      break;
    case cbCompression:
      Dialogs.ShowSetup(*this, cpCompression);
      break;
    case cbTimer:
      Dialogs.ShowSetup(*this, cpTimer);
      break;
    default:
      break;
  }
  // Each page closes on a new connection with what it changed.
  Connect();
}

}  // namespace kolibra::capture
