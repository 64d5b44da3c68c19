#include "app/minform.h"

#include "app/errorreport.h"
#include "app/givenfile.h"
#include "app/informationmessage.h"
#include "app/judgementdetailsdialog.h"
#include "app/landmarkmodels.h"
#include "app/minformtexts.h"
#include "app/replacequestion.h"
#include "app/resultmessages.h"
#include "app/shellopen.h"
#include "app/verdiag.h"
#include "app/widgets/notifyingslider.h"
#include "detect/detectmessages.h"
#include "face/contourslider.h"
#include "face/facelandmarks.h"
#include "face/judgementdetails.h"
#include "face/judgementrange.h"
#include "face/landmark.h"
#include "face/overlay.h"
#include "numtext/failure.h"
#include "numtext/parseint.h"
#include "view/zoomanchor.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

namespace quorvel {
namespace {

// How often the window looks whether the detection has finished; each look
// takes microseconds.
constexpr int kProposalPollMilliseconds = 20;
// After start-up, once the window has been painted.
constexpr int kModelPreloadDelayMilliseconds = 500;

} // namespace

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

void TMainForm::DrawClick(QObject*) {
    LabelRange->hide(); // as the redraw resets the age, until it judges anew
    LabelAP->setToolTip({});
    RedrawOverlay(Document.Step(), *this, Document.PictureName(), *Image);
    ShowAgeRange();
}

// The redraw at the last step has judged when the age label holds an age.
bool TMainForm::AgeJudged() const {
    return Document.Step() == wizstep::kJudged && TryParseInt(ReadText(Field::LabelAP));
}

void TMainForm::ShowAgeRange() {
    if (!AgeJudged()) {
        return;
    }
    const std::optional<AgeRange> range = JudgeAgeRange(*this);
    if (!range) {
        return;
    }
    const QString text = QString::fromUtf8(kAgeRangeText).arg(range->low).arg(range->high);
    LabelRange->setText(text);
    LabelRange->adjustSize();
    LabelRange->show();
    LabelAP->setToolTip(text);
}

void TMainForm::ImageMouseDown(QObject* Sender, Qt::MouseButton, PressShift, int X, int Y) {
    PlaceLandmark(Document.Step(), X, Y, *this);
    DrawClick(Sender);
}

void TMainForm::UpdateWizStep() {
    const int step = Document.Step();
    WizText->setText(QString::fromUtf8(kWizMessages.at(static_cast<std::size_t>(step))));
    WizText->adjustSize();
    BackButton->setEnabled(step != wizstep::kChoosePicture);
    NextButton->setEnabled(step != wizstep::kJudged);
    // Setting the range or the position from here never notifies the handler.
    if (const auto range = ContourSliderRange(step)) {
        TrackBar->setAccessibleName(QString::fromUtf8(ContourSliderName(step)));
        TrackBar->setMinimum(range->minimum);
        TrackBar->setMaximum(range->maximum);
        TrackBar->setValue(ContourSliderPosition(step, *this));
        TrackBar->show();
    } else {
        TrackBar->hide();
    }
    DrawClick(this);
}

// The document has a new picture: a photo starts fitted to the window, a
// bitmap at its own pixels, and the guidance follows the new step.
void TMainForm::ShowDocument() {
    ++PictureGeneration;
    if (Document.FromPhoto()) {
        FitWindowItemClick(Image);
    } else {
        Image->SetZoom(1);
    }
    UpdateWizStep();
}

void TMainForm::OpenChosenBitmap() {
    Document.ChoosePicture(OpenBmpDialog.FileName().toStdString());
    ShowDocument();
}

// At step 0 a cancelled dialog still moves on to step 1.
void TMainForm::NextButtonClick(QObject*) {
    if (Document.Step() == wizstep::kChoosePicture && OpenBmpDialog.Execute(this)) {
        OpenChosenBitmap();
        return;
    }
    Document.SetStep(Document.Step() + 1);
    UpdateWizStep();
}

void TMainForm::BackButtonClick(QObject*) {
    Document.SetStep(Document.Step() - 1);
    UpdateWizStep();
}

void TMainForm::RedrawButtonClick(QObject*) {
    Document.SetStep(wizstep::kJudged);
    UpdateWizStep();
}

void TMainForm::OpenBitmapItemClick(QObject*) {
    if (OpenBmpDialog.Execute(this)) {
        OpenChosenBitmap();
    }
}

void TMainForm::TrackBarChange(QObject* Sender) {
    ApplyContourSlider(Document.Step(), TrackBar->sliderPosition(), *this);
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

// The face centre (cx, cy) while the view shows it, so that zooming keeps the
// face in place; otherwise the view's centre. Fields that are no numbers are
// left for the next redraw to report.
QPointF TMainForm::ZoomAnchor() const {
    const QWidget* viewport = ScrollBox1->viewport();
    const QPointF centre(viewport->width() / 2, viewport->height() / 2);
    const std::optional<std::int32_t> cx = TryParseInt(ReadText(Field::EditCX));
    const std::optional<std::int32_t> cy = TryParseInt(ReadText(Field::EditCY));
    if (!cx || !cy) {
        return centre;
    }
    return ShownAt(*ScrollBox1, *Image, QPoint(*cx, *cy)).value_or(centre);
}

void TMainForm::ZoomAboutFace(double zoom) {
    ZoomAbout(*ScrollBox1, *Image, zoom, ZoomAnchor());
}

void TMainForm::ZoomInItemClick(QObject*) {
    ZoomAboutFace(Image->NextZoomIn());
}

void TMainForm::ZoomOutItemClick(QObject*) {
    ZoomAboutFace(Image->NextZoomOut());
}

void TMainForm::ActualSizeItemClick(QObject*) {
    ZoomAboutFace(1);
}

void TMainForm::ShowZoom(double zoom) {
    ZoomLabel->setText(QString::fromUtf8(kZoomText).arg(std::lround(zoom * 100)));
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

void TMainForm::ImportPhotoFile(const std::string& photo) {
    Document.ImportPhoto(photo);
    ShowDocument();
}

void TMainForm::SaveResultItemClick(QObject*) {
    StatusBar1->clearMessage(); // an earlier save's sign must not outlast a failed one
    const QImage picture = PictureToSave();
    if (!SaveResultDialog.Execute(this, Document.SuggestedResultName())) {
        return;
    }
    const ResultPaths paths = Document.ResultPathsFor(SaveResultDialog.FileName());
    if (!ConfirmReplacing(this, paths)) {
        return;
    }
    Document.Save(picture, *this, paths);
    StatusBar1->showMessage(QString::fromUtf8(kResultSavedSign).arg(paths.image, paths.record),
                            kResultSavedSignMilliseconds);
}

// The picture as shown, overlay and all; only a bitmap from a file carries a
// result that can be reopened.
QImage TMainForm::PictureToSave() const {
    const Picture* picture = Image->CurrentPicture();
    if (picture == nullptr || Document.PictureName().empty()) {
        throw Failure(kNothingToSaveMessage);
    }
    if (picture->Kind() != PictureKind::Bitmap) {
        throw Failure(kOnlyBitmapResultMessage);
    }
    return picture->Image();
}

void TMainForm::OpenResultItemClick(QObject*) {
    if (OpenResultDialog.Execute(this)) {
        OpenResultFile(OpenResultDialog.FileName().toStdString());
    }
}

void TMainForm::OpenResultFile(const std::string& fileName) {
    const bool photoChanged = Document.ReopenRecord(fileName, *this);
    ShowDocument();
    if (photoChanged) { // said once the result shows on the photo as it is now
        ShowInformationMessage(this, QString::fromUtf8(kPhotoChangedNotice)
                                         .arg(QString::fromStdString(Document.PhotoName())));
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
        Document.OpenPicture(fileName);
        ShowDocument();
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

void TMainForm::LoadLandmarkModelWhenIdle() {
    QTimer::singleShot(kModelPreloadDelayMilliseconds, this,
                       [] { RunGuarded([] { SharedLandmarkModel().Start(); }); });
}

// A second press while one runs does nothing: the first one's result comes.
void TMainForm::DetectFaceItemClick(QObject*) {
    if (Proposal.Running()) {
        return;
    }
    if (Image->CurrentPicture() == nullptr || Document.PictureName().empty()) {
        throw Failure(kNothingToDetectMessage);
    }
    Proposal.Start(SharedLandmarkModel(), Document.PictureName());
    ProposalGeneration = PictureGeneration;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    ProposalPoll.setInterval(kProposalPollMilliseconds);
    ProposalPoll.start();
}

// Places the proposed landmarks as the presses of their steps would and
// leaves the contour, the user's judgement, to the slider of step 5. A result
// for a picture no longer shown is dropped.
void TMainForm::ApplyLandmarkProposal() {
    if (!Proposal.Finished()) {
        return;
    }
    ProposalPoll.stop();
    QApplication::restoreOverrideCursor();
    // A failure is reported whichever picture it came from.
    const bool stale =
        ProposalGeneration != PictureGeneration || Proposal.PictureFile() != Document.PictureName();
    const std::optional<FaceLandmarks> landmarks = Proposal.Take();
    if (stale) {
        return;
    }
    if (!landmarks) {
        throw Failure(kNoFaceMessage);
    }
    PlaceLandmarks(*landmarks, *this);
    Document.SetStep(wizstep::kUpperContour);
    UpdateWizStep();
}

void TMainForm::JudgementDetailsItemClick(QObject*) {
    if (!AgeJudged()) {
        throw Failure(kNothingJudgedMessage);
    }
    JudgementDetailsDialog dialog(DescribeJudgement(*this), this);
    dialog.exec();
}

} // namespace quorvel
