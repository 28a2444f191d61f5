#include "editing/windows/BoiteRecordMontage.h"

#include "dialogs/DialogLook.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "settings/windows/BoiteValeur.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kolibra::editing {

namespace boite_record_impl {

template <class T>
T *Named(T *widget, const char *name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QLabel *Memo(const QString &text, const char *name) {
  auto *label = Named(new QLabel(text), name);
  label->setWordWrap(true);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMargin(6);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QSpinBox *UpDown(const char *name, int minimum, int maximum, int step, int value) {
  auto *spin = Named(new QSpinBox, name);
  spin->setRange(minimum, maximum);
  spin->setSingleStep(step);
  spin->setValue(value);
  // The edit of the pair "EditXxx" / "UpDownXxx" is the spin box's own line.
  if (auto *edit = spin->findChild<QLineEdit *>())
    edit->setObjectName(QString::fromLatin1(name).replace(QLatin1String("UpDown"), QLatin1String("Edit")));
  return spin;
}

// The small pictures beside the size controls: a frame stretched, or a frame cut.
QPixmap SizePicture(bool crop) {
  QPixmap pixmap(96, 72);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
  painter.drawRect(8, 8, 80, 56);
  painter.setPen(QPen(QColor(0, 90, 200), 2));
  if (crop) {
    painter.fillRect(24, 20, 48, 32, QColor(200, 225, 255));
    painter.drawRect(24, 20, 48, 32);
  } else {
    painter.fillRect(16, 16, 64, 40, QColor(200, 225, 255));
    painter.drawRect(16, 16, 64, 40);
    painter.drawLine(80, 56, 90, 66);
    painter.drawLine(90, 66, 84, 66);
    painter.drawLine(90, 66, 90, 60);
  }
  return pixmap;
}

// A read-only line that opens the value dialog on a click or a key.
class TClickEdit : public QLineEdit {
 public:
  std::function<void()> OnActivate;

 protected:
  void mousePressEvent(QMouseEvent *event) override {
    QLineEdit::mousePressEvent(event);
    if (OnActivate) QTimer::singleShot(0, this, [this] { OnActivate(); });
  }
  void keyPressEvent(QKeyEvent *) override {
    if (OnActivate) OnActivate();
  }
};

}  // namespace boite_record_impl

bool TBoiteRecordMontage::Execute(TBoiteRecordMontageModel &model, TRecordMontage &writer) {
  using namespace boite_record_impl;
  using TSide = TBoiteRecordMontageModel::TSide;
  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("BoiteRecordMontage"), model.Caption(), Font, BackGroundColor);
  const TRecordKind kind = model.Kind;

  auto *pages = Named(new QTabWidget, "PageControl");
  auto *resume = Named(new QWidget, "TabSheetResume");
  auto *compression = Named(new QWidget, "TabSheetCompression");
  auto *dimensions = Named(new QWidget, "TabSheetDimensions");
  auto *setup = Named(new QWidget, "TabSheetParametres");
  const int resumeTab = pages->addTab(resume, RecordMontageText::tr("Summary"));
  const int compressionTab = pages->addTab(compression, RecordMontageText::tr("Compression"));
  const int dimensionsTab = pages->addTab(dimensions, RecordMontageText::tr("Dimensions"));
  const int setupTab = pages->addTab(setup, RecordMontageText::tr("Setup"));
  pages->setTabVisible(compressionTab, kind != rkVideoToImages);
  pages->setTabVisible(dimensionsTab, kind != rkImagesToVideo);
  pages->setTabVisible(setupTab, kind != rkVideoToImages);
  pages->setCurrentIndex(resumeTab);

  // --- Summary ----------------------------------------------------------------------------
  auto *memoResume = Named(new QPlainTextEdit, "SimMemoResume");
  memoResume->setReadOnly(true);
  memoResume->setMinimumSize(380, 260);
  (new QVBoxLayout(resume))->addWidget(memoResume);

  // --- Compression ------------------------------------------------------------------------
  auto *labelCodec = Named(
      new QLabel(RecordMontageText::tr("Compression Codec: %1").arg(QString())), "LabelVideoCodec");
  auto *comboCodec = Named(new QComboBox, "ComboBoxVideoCodec");
  auto *buttonConf = Named(new QPushButton(RecordMontageText::tr("Configure")), "ButtonConf");
  buttonConf->setEnabled(false);
  auto *labelQuality = Named(new QLabel(RecordMontageText::tr("Compression quality in %")),
                             "LabelCompressionQuality");
  auto *upDownQuality = UpDown("UpDownCompressionQuality", 10, 100, 10, model.Quality);
  auto *labelKey = Named(new QLabel(RecordMontageText::tr("Frame count between two key frames")),
                         "LabelKeyFrame");
  auto *upDownKey = UpDown("UpDownKeyFrame", 1, 250, 1, model.KeyFrameEvery);
  auto *memoCompression =
      Memo(RecordMontageText::tr(
               "Codecs are not normalized. Evolution is constant and new versions are frequent.") +
               QStringLiteral("\n\n") +
               RecordMontageText::tr("Choosing a Codec often requires experimenting."),
           "SimMemoCompression");
  {
    auto *grid = new QGridLayout(compression);
    grid->addWidget(labelCodec, 0, 0, 1, 2);
    grid->addWidget(comboCodec, 1, 0);
    grid->addWidget(buttonConf, 1, 1);
    grid->addWidget(labelQuality, 2, 0);
    grid->addWidget(upDownQuality, 2, 1);
    grid->addWidget(labelKey, 3, 0);
    grid->addWidget(upDownKey, 3, 1);
    grid->addWidget(memoCompression, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
  }

  // --- Dimensions -------------------------------------------------------------------------
  auto *checkChange = Named(new QCheckBox(RecordMontageText::tr("Edit images")), "CheckBoxChange");
  auto *radioDeform = Named(new QRadioButton(RecordMontageText::tr("Resize")), "RadioButtonDeform");
  auto *radioCut = Named(new QRadioButton(RecordMontageText::tr("Crop")), "RadioButtonCut");
  auto *labelWidth =
      Named(new QLabel(RecordMontageText::tr("Image width in pixels")), "LabelWidthChange");
  auto *upDownWidth = UpDown("UpDownWidthChange", 1, 1, 2, 1);
  auto *labelHeight =
      Named(new QLabel(RecordMontageText::tr("Image height in pixels")), "LabelHeightChange");
  auto *upDownHeight = UpDown("UpDownHeightChange", 1, 1, 2, 1);
  auto *panelCut = Named(new QFrame, "PanelCut");
  panelCut->setFrameShape(QFrame::StyledPanel);
  QSpinBox *cuts[4] = {UpDown("UpDownCutTop", 0, 0, 1, 0), UpDown("UpDownCutBottom", 0, 0, 1, 0),
                       UpDown("UpDownCutLeft", 0, 0, 1, 0), UpDown("UpDownCutRight", 0, 0, 1, 0)};
  {
    auto *grid = new QGridLayout(panelCut);
    grid->addWidget(
        Named(new QLabel(RecordMontageText::tr("pixels to crop from the top of the image")),
              "LabelCutTop"),
        0, 0);
    grid->addWidget(cuts[TSide::sdTop], 0, 1);
    grid->addWidget(Named(new QLabel(RecordMontageText::tr("pixels to crop from the bottom")),
                          "LabelCutBottom"),
                    1, 0);
    grid->addWidget(cuts[TSide::sdBottom], 1, 1);
    grid->addWidget(Named(new QLabel(RecordMontageText::tr("pixels to crop from left or right")),
                          "LabelCutLeftRight"),
                    2, 0);
    auto *leftRight = new QHBoxLayout;
    leftRight->addWidget(cuts[TSide::sdLeft]);
    leftRight->addWidget(cuts[TSide::sdRight]);
    grid->addLayout(leftRight, 2, 1);
  }
  auto *imageDeform = Named(new QLabel, "ImageDeform");
  imageDeform->setPixmap(SizePicture(false));
  auto *imageCut = Named(new QLabel, "ImageCut");
  imageCut->setPixmap(SizePicture(true));
  auto *memoChange =
      Memo(RecordMontageText::tr("Some codecs have restrictions on image size.") +
               QStringLiteral("\n\n") +
               RecordMontageText::tr("Width and height must be (often) multiples of 4."),
           "SimMemoChange");
  auto *checkMarks = Named(new QCheckBox(RecordMontageText::tr("Draw the marks, axes and scale")),
                           "CheckBoxDrawMarks");
  checkMarks->setChecked(model.DrawMarks);
  {
    auto *grid = new QGridLayout(dimensions);
    grid->addWidget(checkChange, 0, 0, 1, 3);
    grid->addWidget(radioDeform, 1, 0);
    grid->addWidget(radioCut, 1, 1);
    grid->addWidget(imageDeform, 1, 2, 3, 1);
    grid->addWidget(imageCut, 1, 2, 3, 1);
    grid->addWidget(labelWidth, 2, 0);
    grid->addWidget(upDownWidth, 2, 1);
    grid->addWidget(labelHeight, 3, 0);
    grid->addWidget(upDownHeight, 3, 1);
    grid->addWidget(panelCut, 4, 0, 1, 3);
    grid->addWidget(memoChange, 5, 0, 1, 3);
    grid->addWidget(checkMarks, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
  }

  // --- Setup ------------------------------------------------------------------------------
  auto *checkInsert = Named(new QCheckBox(RecordMontageText::tr(
                                "Insert blank images in the new video to replace missing frames.")),
                            "CheckBoxImgInsert");
  checkInsert->setChecked(model.InsertBlanks);
  auto *panelCadence = Named(new QFrame, "PanelCadence");
  panelCadence->setFrameShape(QFrame::StyledPanel);
  auto *editCadence = Named(new TClickEdit, "EditCadence");
  editCadence->setMaxLength(7);
  editCadence->setReadOnly(true);
  editCadence->setText(FormatReal(0, model.FrameRate));
  {
    auto *row = new QHBoxLayout(panelCadence);
    row->addWidget(
        Named(new QLabel(RecordMontageText::tr("Change the frame rate")), "LabelCadence"));
    row->addWidget(editCadence);
    row->addWidget(
        Named(new QLabel(RecordMontageText::tr("frames per second")), "LabelCadenceUnite"));
  }
  auto *panelFramework = Named(new QFrame, "PanelFramework");
  panelFramework->setFrameShape(QFrame::StyledPanel);
  auto *comboFramework = Named(new QComboBox, "ComboBoxFramework");
  {
    auto *column = new QVBoxLayout(panelFramework);
    column->addWidget(
        Named(new QLabel(RecordMontageText::tr("Change the framework")), "LabelFramework"));
    column->addWidget(comboFramework);
    column->addWidget(
        Memo(RecordMontageText::tr("Kolibra selects a framework (VFW, FFMpeg or DS).") +
                 QStringLiteral("\n\n") + RecordMontageText::tr("Change the framework involves:") +
                 QStringLiteral("\n    ") + RecordMontageText::tr("a different choice of codecs") +
                 QStringLiteral("\n    ") + RecordMontageText::tr("a difference in video quality") +
                 QStringLiteral("\n\n") +
                 RecordMontageText::tr(
                     "To use the FFMpeg framework, the « KlbDll » folder and the « kolibra » "
                     "program must be placed in the same directory."),
             "SimMemoFramework"),
        1);
  }
  {
    auto *column = new QVBoxLayout(setup);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    column->addWidget(checkInsert);
    column->addWidget(panelCadence);
    column->addWidget(panelFramework, 1);
  }
  checkInsert->setVisible(kind == rkEditedVideo);
  panelCadence->setVisible(kind == rkImagesToVideo);
  panelFramework->setVisible(kind != rkVideoToImages);

  // --- Buttons ----------------------------------------------------------------------------
  auto *buttons = new QDialogButtonBox;
  auto *ok = Named(buttons->addButton(RecordMontageText::tr("OK"), QDialogButtonBox::AcceptRole),
                   "BitBtnOk");
  auto *cancel =
      Named(buttons->addButton(RecordMontageText::tr("Cancel"), QDialogButtonBox::RejectRole),
            "BitBtnAnnuler");
  ok->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &form, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &form, &QDialog::reject);
  Q_UNUSED(cancel);
  auto *layout = new QVBoxLayout(&form);
  layout->addWidget(pages);
  layout->addWidget(buttons);

  // --- Behaviour --------------------------------------------------------------------------
  const auto frameworks = writer.Writers().Frameworks();
  auto fillFrameworks = [&] {
    const QSignalBlocker blocker(comboFramework);
    comboFramework->clear();
    for (video::TFramework framework : frameworks) {
      comboFramework->addItem(TRecordMontage::FrameworkName(framework));
      if (framework == writer.Framework) comboFramework->setCurrentIndex(comboFramework->count() - 1);
    }
  };
  // The codecs that open at the output size; the chosen one stays when it still opens.
  auto fillCodecs = [&] {
    const QSignalBlocker blocker(comboCodec);
    comboCodec->clear();
    comboCodec->addItem(TVideoWriter::WithoutName());
    const QStringList names = writer.CodecNames();
    comboCodec->addItems(names);
    const int found = writer.Codec.isEmpty() ? -1 : int(names.indexOf(writer.Codec));
    if (found < 0) writer.Codec.clear();
    comboCodec->setCurrentIndex(found + 1);
  };
  auto summary = [&] {
    memoResume->setPlainText(
        model.Summary(writer.Codec, TRecordMontage::FrameworkName(writer.Framework)).join(QLatin1Char('\n')));
  };
  auto syncSizes = [&] {
    const bool edit = model.EditImages();
    const bool crop = model.Cropping();
    const QSignalBlocker b0(checkChange), b1(radioDeform), b2(radioCut), b3(upDownWidth), b4(upDownHeight);
    checkChange->setChecked(edit);
    radioDeform->setChecked(!crop);
    radioCut->setChecked(crop);
    radioDeform->setEnabled(edit);
    radioCut->setEnabled(edit);
    const int minW = std::min(model.MinWidth(), model.SourceWidth());
    const int minH = std::min(model.MinHeight(), model.SourceHeight());
    upDownWidth->setRange(edit ? minW : model.SourceWidth(), edit ? (crop ? model.SourceWidth() : model.ResizeMaxWidth())
                                                                  : model.SourceWidth());
    upDownHeight->setRange(edit ? minH : model.SourceHeight(),
                           edit ? (crop ? model.SourceHeight() : model.ResizeMaxHeight()) : model.SourceHeight());
    upDownWidth->setValue(model.OutputWidth());
    upDownHeight->setValue(model.OutputHeight());
    const bool sizeEditable = edit && !crop;
    for (QWidget *w : {static_cast<QWidget *>(labelWidth), static_cast<QWidget *>(upDownWidth),
                       static_cast<QWidget *>(labelHeight), static_cast<QWidget *>(upDownHeight)})
      w->setEnabled(sizeEditable);
    for (int side = 0; side < 4; ++side) {
      const QSignalBlocker b(cuts[side]);
      cuts[side]->setRange(0, model.CropMax(TSide(side)));
      cuts[side]->setValue(model.Crop(TSide(side)));
    }
    imageCut->setVisible(crop);
    imageDeform->setVisible(!crop);
    panelCut->setVisible(edit && crop);
    memoChange->setVisible(kind == rkEditedVideo && edit);
    checkMarks->setVisible(kind != rkImagesToVideo);
  };
  auto compressionShown = [&] {
    const bool vfw = writer.Framework == video::fwVfw;
    for (QWidget *w : {static_cast<QWidget *>(labelQuality), static_cast<QWidget *>(upDownQuality),
                       static_cast<QWidget *>(labelKey), static_cast<QWidget *>(upDownKey)})
      w->setVisible(vfw);
    fillCodecs();
    TVideoWriter *current = writer.Writers().Writer(writer.Framework);
    buttonConf->setEnabled(current != nullptr && current->CanConfigure());
  };

  QObject::connect(checkChange, &QCheckBox::toggled, &form, [&](bool on) {
    model.SetEditImages(on);
    syncSizes();
  });
  QObject::connect(radioCut, &QRadioButton::toggled, &form, [&](bool on) {
    model.SetCropping(on);
    syncSizes();
  });
  QObject::connect(upDownWidth, &QSpinBox::valueChanged, &form, [&](int v) {
    model.SetResizeWidth(v);
    syncSizes();
  });
  QObject::connect(upDownHeight, &QSpinBox::valueChanged, &form, [&](int v) {
    model.SetResizeHeight(v);
    syncSizes();
  });
  for (int side = 0; side < 4; ++side)
    QObject::connect(cuts[side], &QSpinBox::valueChanged, &form, [&, side](int v) {
      model.SetCrop(TSide(side), v);
      syncSizes();
    });
  QObject::connect(upDownQuality, &QSpinBox::valueChanged, &form, [&](int v) { model.Quality = v; });
  QObject::connect(upDownKey, &QSpinBox::valueChanged, &form, [&](int v) { model.KeyFrameEvery = v; });
  QObject::connect(checkInsert, &QCheckBox::toggled, &form, [&](bool on) { model.InsertBlanks = on; });
  QObject::connect(checkMarks, &QCheckBox::toggled, &form, [&](bool on) { model.DrawMarks = on; });
  QObject::connect(comboCodec, &QComboBox::currentIndexChanged, &form, [&](int index) {
    writer.Codec = index <= 0 ? QString() : comboCodec->itemText(index);
  });
  QObject::connect(comboFramework, &QComboBox::currentIndexChanged, &form, [&](int index) {
    if (index >= 0 && index < int(frameworks.size())) writer.Framework = frameworks[size_t(index)];
  });
  editCadence->OnActivate = [&] {
    settings::TBoiteValeur value;
    value.Font = Font;
    settings::TValueContext context;
    context.WriterFrameRate = model.FrameRate;
    const settings::TValueResult result = value.Execute(settings::tsCadence, context);
    if (!result.Accepted) return;
    model.FrameRate = result.Real();
    editCadence->setText(FormatReal(0, model.FrameRate));
  };
  QObject::connect(pages, &QTabWidget::currentChanged, &form, [&](int index) {
    if (index == resumeTab) summary();
    if (index == compressionTab) compressionShown();
    if (index == setupTab) fillFrameworks();
  });

  // --- Showing ----------------------------------------------------------------------------
  if (model.FirstShow && kind != rkVideoToImages) {
    model.FirstShow = false;
    writer.ApplySavedSettings();
  }
  fillFrameworks();
  fillCodecs();
  syncSizes();
  summary();
  dialogs::CentreOnScreen(form);
  if (OnShown) OnShown(&form);
  const bool accepted = form.exec() == QDialog::Accepted;
  return accepted;
}

}  // namespace kolibra::editing
