#include "app/minform.h"

#include "app/errorreport.h"
#include "app/givenfile.h"
#include "app/informationmessage.h"
#include "app/recordpicture.h"
#include "app/replacequestion.h"
#include "app/resultfiles.h"
#include "app/resultmessages.h"
#include "app/resultrecord.h"
#include "app/shellopen.h"
#include "app/verdiag.h"
#include "app/widgets/dockarea.h"
#include "app/widgets/formscale.h"
#include "app/widgets/namedcontrols.h"
#include "app/widgets/notifyingslider.h"
#include "app/widgets/splitterbar.h"
#include "face/contourslider.h"
#include "face/landmark.h"
#include "face/overlay.h"
#include "face/wizsteps.h"
#include "numtext/failure.h"
#include "picture/photo/photoformats.h"
#include "picture/photo/photoimport.h"
#include "picture/photo/workingcopy.h"
#include "picture/photo/workingcopyprune.h"
#include "view/zoomanchor.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <limits>

namespace quorvel {
namespace {

// Guidance line of each step; the katakana stay half-width.
const std::array<const char*, 10> WizMessages{
    "年齢を判定する顔のﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを選択してください",
    "顔の中央位置を選択してください（両目の中央をｸﾘｯｸ）",
    "顔の幅を選択してください（左耳か右耳近辺をｸﾘｯｸ）",
    "顔の上端を選択してください（つむじ近辺をｸﾘｯｸ）",
    "顔の下端を選択してください（あご近辺をｸﾘｯｸ）",
    "顔の輪郭形（上半分）を調節してください（ｽﾗｲﾀﾞで調節）",
    "顔の輪郭形（下半分）を調節してください（ｽﾗｲﾀﾞで調節）",
    "鼻の位置をｸﾘｯｸしてください（縦方向のみ有効）",
    "口の位置をｸﾘｯｸしてください（縦方向のみ有効）",
    "判定が終了しました",
};

struct ParameterRow {
    const char* labelName;
    const char* caption;
    const char* editName;
    const char* text;
};

// Indexed by Field, EditCX to EditX.
const std::array<ParameterRow, 11> ParameterRows{{
    {"Label1", "cx", "EditCX", "0"},
    {"Label2", "cy", "EditCY", "0"},
    {"Label3", "r", "EditR", "100"},
    {"Label4", "h", "EditH", "1.2"},
    {"Label5", "mo", "EditMO", "1.2"},
    {"Label6", "e", "EditE", "0"},
    {"Label7", "nh", "EditNH", "0.3"},
    {"Label8", "mh", "EditMH", "0.5"},
    {"Label9", "a", "EditA", "0"},
    {"Label10", "y", "EditY", "0"},
    {"Label11", "x", "EditX", "0"},
}};

// What the contour slider adjusts, as screen readers announce it.
const char* ContourSliderName(int wizStep) {
    return wizStep == wizstep::kUpperContour ? "顔の輪郭形（上半分）" : "顔の輪郭形（下半分）";
}

constexpr int firstResultRow = 9; // EditY and EditX are written only by the judgement

// Designed client area below the menu bar; the outer size is not scaled.
constexpr int clientWidth = 674;
constexpr int clientHeight = 436;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const QRect& rect) {
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
    button->setGeometry(rect);
    button->setAutoDefault(true); // Enter presses the focused button; none is the default
    return button;
}

// Qt matches these patterns case-sensitively here, and cameras write .JPG.
QString PhotoFilter() {
    QStringList patterns;
    for (const char* extension : kPhotoExtensions) {
        const QString lower = QString::fromLatin1(extension);
        patterns << QStringLiteral("*.") + lower << QStringLiteral("*.") + lower.toUpper();
    }
    return QStringLiteral("写真 (%1)").arg(patterns.join(QLatin1Char(' ')));
}

} // namespace

TMainForm::TMainForm()
    : ImportPhotoDialog({PhotoFilter(), QStringLiteral("全てのﾌｧｲﾙ (*)")}),
      OpenResultDialog({QStringLiteral("結果ﾌｧｲﾙ (*.json)"), QStringLiteral("全てのﾌｧｲﾙ (*)")}),
      SaveResultDialog({QStringLiteral("PNG ｲﾒｰｼﾞ (*.png)")}, QStringLiteral("png")) {
    setWindowTitle(QStringLiteral("Quorvella"));
    setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    setFont(FormFont());

    auto* client = new DockArea(this);
    setCentralWidget(client);
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Splitter2 = Named(new SplitterBar(client, DockSide::Bottom), "Splitter2");
    Panel2 = Named(new QFrame(client), "Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Splitter1 = Named(new SplitterBar(client, DockSide::Left), "Splitter1");
    ScrollBox1 = Named(new QScrollArea(client), "ScrollBox1");

    CreateGuidancePanel();
    CreateParameterPanel();
    CreatePictureArea();
    CreateMenus();
    BindHandlers();
    SetTabOrder();
    setAcceptDrops(true);

    const FormScale scale(font());
    client->SetControls(Panel1, Splitter2, Panel2, Splitter1, ScrollBox1);
    client->SetBarThickness(scale.Length(4));
    client->SetDockedSize(DockSide::Bottom, scale.Length(88));
    client->SetDockedSize(DockSide::Left, scale.Length(169));
    resize(clientWidth, clientHeight + MainMenu1->sizeHint().height());
    NextButton->setFocus(); // the first control in tab order that can take it at step 0
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateGuidancePanel() {
    const FormScale scale(font());
    WizText = MakeLabel(Panel1, "WizText", WizMessages[0], scale.Point(24, 16));
    BackButton = MakeButton(Panel1, "BackButton", "戻る <<", scale.Rect(24, 48, 89, 25));
    BackButton->setEnabled(false);
    NextButton = MakeButton(Panel1, "NextButton", "次へ >>", scale.Rect(128, 48, 89, 25));
    TrackBar = Named(new NotifyingSlider(Panel1), "TrackBar");
    TrackBar->setGeometry(scale.Rect(348, 52, 313, 21));
    TrackBar->setRange(0, 10);
    TrackBar->setValue(0);
    TrackBar->setSingleStep(1);
    TrackBar->setPageStep(2);
    TrackBar->setTickPosition(QSlider::TicksBelow);
    TrackBar->setTickInterval(1);
    TrackBar->hide();
    RedrawButton = MakeButton(Panel1, "RedrawButton", "判定", scale.Rect(236, 48, 89, 25));
}

void TMainForm::CreateParameterPanel() {
    const FormScale scale(font());
    Label12 = MakeLabel(Panel2, "Label12", "推定年齢", scale.Point(16, 24));
    LabelAP = MakeLabel(Panel2, "LabelAP", "未判定", scale.Point(88, 24));
    LabelAP->setAccessibleDescription(QStringLiteral("推定年齢"));
    for (std::size_t i = 0; i < ParameterRows.size(); ++i) {
        const ParameterRow& row = ParameterRows[i];
        const int offset = 24 * static_cast<int>(i);
        auto* label = Named(new QLabel(QString::fromUtf8(row.caption), Panel2), row.labelName);
        label->setGeometry(scale.Rect(12, 64 + offset, 41, 17));
        label->setAlignment(Qt::AlignCenter);
        auto* edit = Named(new QLineEdit(QString::fromUtf8(row.text), Panel2), row.editName);
        edit->setGeometry(scale.Rect(60, 60 + offset, 97, 23));
        edit->setMaxLength(std::numeric_limits<int>::max()); // any text of any length
        if (i >= firstResultRow) {
            edit->setReadOnly(true);
            QPalette look = edit->palette();
            look.setColor(QPalette::Base, look.color(QPalette::Button));
            edit->setPalette(look);
        }
        label->setBuddy(edit); // screen readers announce the field by its caption
        RowLabels[i] = label;
        Edits[i] = edit;
    }
}

void TMainForm::CreatePictureArea() {
    const FormScale scale(font());
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setBackgroundRole(QPalette::Button);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QScrollBar* bar : {ScrollBox1->horizontalScrollBar(), ScrollBox1->verticalScrollBar()}) {
        bar->setSingleStep(8);
        bar->setTracking(false); // a dragged thumb scrolls when it is released
    }
    Image = Named(new PictureView, "Image");
    Image->resize(scale.Rect(0, 0, 493, 337).size());
    ScrollBox1->setWidget(Image);
}

void TMainForm::CreateMenus() {
    MainMenu1 = Named(menuBar(), "MainMenu1");
    File1 = Named(MainMenu1->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)")), "File1");
    OpenBitmapItem =
        Named(File1->addAction(QStringLiteral("背景ﾋﾞｯﾄﾏｯﾌﾟを開く(&B)...")), "OpenBitmapItem");
    ImportPhotoItem =
        Named(File1->addAction(QStringLiteral("写真を取り込む(&I)...")), "ImportPhotoItem");
    ImportPhotoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    N3 = Named(File1->addSeparator(), "N3");
    OpenResultItem = Named(File1->addAction(QStringLiteral("結果を開く(&R)...")), "OpenResultItem");
    SaveResultItem = Named(File1->addAction(QStringLiteral("結果を保存(&S)...")), "SaveResultItem");
    SaveResultItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    N1 = Named(File1->addSeparator(), "N1");
    ExitItem = Named(File1->addAction(QStringLiteral("閉じる(&X)")), "ExitItem");
    CreateViewMenu();
    Help1 = Named(MainMenu1->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)")), "Help1");
    ReadMeItem = Named(Help1->addAction(QStringLiteral("ReadMe(&R)")), "ReadMeItem");
    N2 = Named(Help1->addSeparator(), "N2");
    VersionItem = Named(Help1->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)...")), "VersionItem");
}

void TMainForm::CreateViewMenu() {
    View1 = Named(MainMenu1->addMenu(QStringLiteral("表示(&V)")), "View1");
    ZoomInItem = Named(View1->addAction(QStringLiteral("拡大(&I)")), "ZoomInItem");
    ZoomInItem->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOutItem = Named(View1->addAction(QStringLiteral("縮小(&O)")), "ZoomOutItem");
    ZoomOutItem->setShortcut(QKeySequence::ZoomOut);
    ActualSizeItem = Named(View1->addAction(QStringLiteral("実際のｻｲｽﾞ(&A)")), "ActualSizeItem");
    ActualSizeItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    FitWindowItem =
        Named(View1->addAction(QStringLiteral("ｳｨﾝﾄﾞｳに合わせる(&W)")), "FitWindowItem");
    // Ctrl and the mouse wheel zoom about the pointer.
    ScrollBox1->viewport()->installEventFilter(this);
}

// Every handler runs guarded: a failure that escapes it is reported and the
// event loop goes on.
void TMainForm::BindHandlers() {
    const auto bind = [this](auto* sender, auto signal, void (TMainForm::*handler)(QObject*)) {
        connect(sender, signal, this,
                [this, sender, handler] { RunGuarded([&] { (this->*handler)(sender); }); });
    };
    bind(BackButton, &QPushButton::clicked, &TMainForm::BackButtonClick);
    bind(NextButton, &QPushButton::clicked, &TMainForm::NextButtonClick);
    bind(RedrawButton, &QPushButton::clicked, &TMainForm::RedrawButtonClick);
    bind(TrackBar, &NotifyingSlider::Notified, &TMainForm::TrackBarChange);
    bind(OpenBitmapItem, &QAction::triggered, &TMainForm::OpenBitmapItemClick);
    bind(ExitItem, &QAction::triggered, &TMainForm::ExitItemClick);
    bind(ZoomInItem, &QAction::triggered, &TMainForm::ZoomInItemClick);
    bind(ZoomOutItem, &QAction::triggered, &TMainForm::ZoomOutItemClick);
    bind(ActualSizeItem, &QAction::triggered, &TMainForm::ActualSizeItemClick);
    bind(FitWindowItem, &QAction::triggered, &TMainForm::FitWindowItemClick);
    bind(ReadMeItem, &QAction::triggered, &TMainForm::ReadMeItemClick);
    bind(VersionItem, &QAction::triggered, &TMainForm::VersionItemClick);
    bind(ImportPhotoItem, &QAction::triggered, &TMainForm::ImportPhotoItemClick);
    bind(OpenResultItem, &QAction::triggered, &TMainForm::OpenResultItemClick);
    bind(SaveResultItem, &QAction::triggered, &TMainForm::SaveResultItemClick);
    connect(Image, &PictureView::Pressed, this,
            [this](Qt::MouseButton button, PressShift shift, int x, int y) {
                RunGuarded([&] { ImageMouseDown(Image, button, shift, x, y); });
            });
}

void TMainForm::SetTabOrder() {
    QWidget* previous = BackButton;
    for (QWidget* next : {static_cast<QWidget*>(NextButton), static_cast<QWidget*>(TrackBar),
                          static_cast<QWidget*>(RedrawButton)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QLineEdit* edit : Edits) {
        setTabOrder(previous, edit);
        previous = edit;
    }
}

std::string TMainForm::ReadText(Field field) const {
    if (field == Field::LabelAP) {
        return LabelAP->text().toStdString();
    }
    return Edits.at(static_cast<std::size_t>(field))->text().toStdString();
}

void TMainForm::WriteText(Field field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (field == Field::LabelAP) {
        LabelAP->setText(value);
        LabelAP->adjustSize();
        return;
    }
    QLineEdit* edit = Edits.at(static_cast<std::size_t>(field));
    edit->setText(value);
    edit->setCursorPosition(0); // long numbers show their leading digits
}

std::string TMainForm::FileName() const {
    return PictureName;
}

void TMainForm::TakeConfirmedBitmap() {
    PictureName = OpenBmpDialog.FileName().toStdString();
    PhotoName.clear();
}

void TMainForm::DrawClick(QObject*) {
    RedrawOverlay(WizStep, *this, FileName(), *Image);
}

void TMainForm::ImageMouseDown(QObject* Sender, Qt::MouseButton, PressShift, int X, int Y) {
    PlaceLandmark(WizStep, X, Y, *this);
    DrawClick(Sender);
}

void TMainForm::UpdateWizStep() {
    WizText->setText(QString::fromUtf8(WizMessages.at(static_cast<std::size_t>(WizStep))));
    WizText->adjustSize();
    BackButton->setEnabled(WizStep != wizstep::kChoosePicture);
    NextButton->setEnabled(WizStep != wizstep::kJudged);
    // Setting the range or the position from here never notifies the handler.
    if (const auto range = ContourSliderRange(WizStep)) {
        TrackBar->setAccessibleName(QString::fromUtf8(ContourSliderName(WizStep)));
        TrackBar->setMinimum(range->minimum);
        TrackBar->setMaximum(range->maximum);
        TrackBar->setValue(ContourSliderPosition(WizStep, *this));
        TrackBar->show();
    } else {
        TrackBar->hide();
    }
    DrawClick(this);
}

void TMainForm::NextButtonClick(QObject*) {
    if (WizStep == wizstep::kChoosePicture && OpenBmpDialog.Execute(this)) {
        TakeConfirmedBitmap();
        ShowBitmap(FileName());
    }
    ++WizStep;
    UpdateWizStep();
}

void TMainForm::BackButtonClick(QObject*) {
    --WizStep;
    UpdateWizStep();
}

void TMainForm::RedrawButtonClick(QObject*) {
    WizStep = wizstep::kJudged;
    UpdateWizStep();
}

void TMainForm::OpenBitmapItemClick(QObject*) {
    if (!OpenBmpDialog.Execute(this)) {
        return;
    }
    TakeConfirmedBitmap();
    ShowBitmap(FileName());
    WizStep = wizstep::kCentre;
    UpdateWizStep();
}

void TMainForm::TrackBarChange(QObject* Sender) {
    ApplyContourSlider(WizStep, TrackBar->sliderPosition(), *this);
    DrawClick(Sender);
}

void TMainForm::ExitItemClick(QObject*) {
    close();
}

void TMainForm::ReadMeItemClick(QObject*) {
    OpenDocument(QStringLiteral("Quorvel.txt"));
}

void TMainForm::VersionItemClick(QObject*) {
    TVersionDialog dialog(this);
    dialog.exec();
}

void TMainForm::ZoomAboutCentre(double zoom) {
    const QWidget* viewport = ScrollBox1->viewport();
    ZoomAbout(*ScrollBox1, *Image, zoom, QPoint(viewport->width() / 2, viewport->height() / 2));
}

void TMainForm::ZoomInItemClick(QObject*) {
    ZoomAboutCentre(Image->NextZoomIn());
}

void TMainForm::ZoomOutItemClick(QObject*) {
    ZoomAboutCentre(Image->NextZoomOut());
}

void TMainForm::ActualSizeItemClick(QObject*) {
    ZoomAboutCentre(1);
}

// The largest zoom at which the whole picture shows without scroll bars.
void TMainForm::FitWindowItemClick(QObject*) {
    Image->SetZoom(Image->ZoomToFit(ScrollBox1->maximumViewportSize()));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers().testFlag(Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
            const double zoom =
                wheel->angleDelta().y() > 0 ? Image->NextZoomIn() : Image->NextZoomOut();
            ZoomAbout(*ScrollBox1, *Image, zoom, wheel->position().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ImportPhotoItemClick(QObject*) {
    if (ImportPhotoDialog.Execute(this)) {
        ImportPhotoFile(ImportPhotoDialog.FileName().toStdString());
    }
}

// Nothing changes until the working copy has loaded.
void TMainForm::ImportPhotoFile(const std::string& photo) {
    const std::string workingCopy = ImportPhoto(photo);
    ShowImportedPhoto(workingCopy);
    PictureName = workingCopy;
    PhotoName = photo;
    PruneWorkingCopies(QString::fromStdString(workingCopy), QDateTime::currentDateTime());
    WizStep = wizstep::kCentre;
    UpdateWizStep();
}

// An opened bitmap starts at its own pixels.
void TMainForm::ShowBitmap(const std::string& fileName) {
    Image->LoadPicture(fileName);
    Image->SetZoom(1);
}

// A photo's working copy, loaded as a bitmap is, starts fitted to the window:
// a camera's photo is many screens large.
void TMainForm::ShowImportedPhoto(const std::string& workingCopy) {
    Image->LoadPicture(workingCopy);
    FitWindowItemClick(Image);
}

void TMainForm::SaveResultItemClick(QObject*) {
    const QImage picture = PictureToSave();
    const std::string original = PhotoName.empty() ? PictureName : PhotoName;
    if (!SaveResultDialog.Execute(this, SuggestedResultName(original))) {
        return;
    }
    const ResultPaths paths = ResultPathsFor(SaveResultDialog.FileName());
    RefuseOverOriginals(paths, {PictureName, PhotoName});
    if (ConfirmReplacing(this, paths)) {
        SaveResultFiles(picture, RecordJson(CurrentRecord(), QDateTime::currentDateTime()), paths);
    }
}

// The picture as shown, overlay and all; only a bitmap from a file carries a
// result that can be reopened.
QImage TMainForm::PictureToSave() const {
    const Picture* picture = Image->CurrentPicture();
    if (picture == nullptr || PictureName.empty()) {
        throw Failure(kNothingToSaveMessage);
    }
    if (picture->Kind() != PictureKind::Bitmap) {
        throw Failure(kOnlyBitmapResultMessage);
    }
    return picture->Image();
}

ResultRecord TMainForm::CurrentRecord() const {
    // A photo's identity is the one its working copy was made from.
    const std::optional<PhotoIdentity> identity =
        PhotoName.empty() ? std::nullopt : WorkingCopySource(QString::fromStdString(PictureName));
    ResultRecord record{PictureName, PhotoName,   WizStep, {}, ReadText(Field::LabelAP),
                        identity,    std::nullopt};
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        record.fields[i] = ReadText(static_cast<Field>(i));
    }
    return record;
}

void TMainForm::OpenResultItemClick(QObject*) {
    if (OpenResultDialog.Execute(this)) {
        OpenResultFile(OpenResultDialog.FileName().toStdString());
    }
}

// The record is checked whole and its picture loaded before any field or the
// step changes, so a refused result changes nothing.
void TMainForm::OpenResultFile(const std::string& fileName) {
    const ResultRecord record = ParseRecord(ReadRecordFile(fileName), fileName);
    const RecordPicture picture = PictureOfRecord(record);
    LoadRecordPicture(record, picture.fileName);
    PictureName = picture.fileName;
    PhotoName = record.photo;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        WriteText(static_cast<Field>(i), record.fields[i]);
    }
    WizStep = record.step;
    UpdateWizStep();
    if (picture.photoChanged) { // said once the result shows on the photo as it is now
        ShowInformationMessage(
            this, QString::fromUtf8(kPhotoChangedNotice).arg(QString::fromStdString(record.photo)));
    }
}

void TMainForm::LoadRecordPicture(const ResultRecord& record, const std::string& picture) {
    if (record.photo.empty()) {
        ShowBitmap(picture);
    } else {
        ShowImportedPhoto(picture);
    }
}

void TMainForm::OpenGivenFileLater(const QString& fileName) {
    QTimer::singleShot(0, this, [this, name = fileName.toStdString()] {
        RunGuarded([&] { OpenGivenFile(name); });
    });
}

// A refused file changes nothing, not even the name the redraw reloads.
void TMainForm::OpenGivenFile(const std::string& fileName) {
    switch (GivenFileKindOf(fileName)) {
    case GivenFileKind::Result:
        OpenResultFile(fileName);
        return;
    case GivenFileKind::Photo:
        ImportPhotoFile(fileName);
        return;
    case GivenFileKind::Picture:
        ShowBitmap(fileName);
        PictureName = fileName;
        PhotoName.clear();
        WizStep = wizstep::kCentre;
        UpdateWizStep();
        return;
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFileName(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

// Opened after the drop has finished, so that the program the file came from
// is not kept waiting by a slow import or an error report.
void TMainForm::dropEvent(QDropEvent* event) {
    const QString fileName = DroppedFileName(event->mimeData());
    if (!fileName.isEmpty()) {
        event->acceptProposedAction();
        OpenGivenFileLater(fileName);
    }
}

} // namespace quorvel
