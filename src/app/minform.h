#pragma once

#include "app/filechooser.h"
#include "app/landmarkproposaljob.h"
#include "app/openfiledialog.h"
#include "app/picturedocument.h"
#include "face/facefields.h"
#include "view/pictureview.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <string>

class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QImage;

namespace quorvel {

class NotifyingSlider;
class SplitterBar;

// The main window: the guidance panel, the parameter panel whose texts are the
// face model's only store, the picture view and the menus. Every control's
// objectName is its member name; menu entries are named by their row of
// MenuCommands (mainmenu.cpp). Handlers are thin calls into the face model and
// the document. The controls are built in minformlayout.cpp.
class TMainForm : public QMainWindow, public FaceFields {
    Q_OBJECT
public:
    TMainForm();
    ~TMainForm() override;

    std::string ReadText(Field field) const override;
    void WriteText(Field field, const std::string& text) override;

    // Handlers, named after control and event; Sender is not used. A menu
    // command is one row of MenuCommands and one handler here.
    void DrawClick(QObject* Sender);
    void ImageMouseDown(QObject* Sender, Qt::MouseButton Button, PressShift Shift, int X, int Y);
    void ExitItemClick(QObject* Sender);
    void VersionItemClick(QObject* Sender);
    void OpenBitmapItemClick(QObject* Sender);
    void ReadMeItemClick(QObject* Sender);
    void NextButtonClick(QObject* Sender);
    void BackButtonClick(QObject* Sender);
    void TrackBarChange(QObject* Sender);
    void RedrawButtonClick(QObject* Sender);
    // The view menu: zoom only changes how the picture is shown.
    void ZoomInItemClick(QObject* Sender);
    void ZoomOutItemClick(QObject* Sender);
    void ActualSizeItemClick(QObject* Sender);
    void FitWindowItemClick(QObject* Sender);
    void ImportPhotoItemClick(QObject* Sender);
    void OpenResultItemClick(QObject* Sender);
    void SaveResultItemClick(QObject* Sender);
    // Proposes the landmarks of the picture shown, off the window's thread,
    // and stands at the upper contour with them placed.
    void DetectFaceItemClick(QObject* Sender);
    void JudgementDetailsItemClick(QObject* Sender);

    // Starts loading the landmark model once the window has come up, so that
    // the first face detection need not wait for it. The program calls it;
    // a window made without it loads the model at the first detection.
    void LoadLandmarkModelWhenIdle();

    // Opens a file named at start-up or dropped on the window once the event
    // loop runs, so that a failure is reported with the window shown: a saved
    // result is reopened, a photo imported, anything else opened as a picture.
    void OpenGivenFileLater(const QString& fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateGuidancePanel();
    void CreateParameterPanel();
    void CreatePictureArea();
    void CreateMenus();
    void CreateStatusBar();
    template <typename Sender, typename Signal>
    void Bind(Sender* sender, Signal signal, void (TMainForm::*handler)(QObject*));
    void BindHandlers();
    void SetTabOrder();
    void UpdateWizStep();
    QPointF ZoomAnchor() const;
    void ZoomAboutFace(double zoom);
    void ShowZoom(double zoom);
    void ShowDocument();
    void OpenChosenBitmap();
    void OpenGivenFile(const std::string& fileName);
    void ImportPhotoFile(const std::string& photo);
    void OpenResultFile(const std::string& fileName);
    QImage PictureToSave() const;
    bool AgeJudged() const;
    void ShowAgeRange();
    void ApplyLandmarkProposal();

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* NextButton = nullptr;
    NotifyingSlider* TrackBar = nullptr;
    QLabel* WizText = nullptr;
    OpenFileDialog OpenBmpDialog;
    FileChooser ImportPhotoDialog;
    FileChooser OpenResultDialog;
    FileChooser SaveResultDialog;
    // EditCX to EditX, indexed by Field.
    std::array<QLineEdit*, kFieldCount> Edits{};
    std::array<QLabel*, kFieldCount> RowLabels{}; // Label1 to Label11
    QLabel* Label12 = nullptr;
    QLabel* LabelAP = nullptr;
    QLabel* LabelRange = nullptr; // the age's range, under the age at step 9
    QPushButton* RedrawButton = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PictureView* Image = nullptr;
    SplitterBar* Splitter1 = nullptr;
    SplitterBar* Splitter2 = nullptr;
    // Below the designed client area: the zoom and the sign of a save.
    QStatusBar* StatusBar1 = nullptr;
    QLabel* ZoomLabel = nullptr;

    // The step and the file the redraw reloads: the bitmap confirmed last in
    // OpenBmpDialog, or the working copy of the photo imported since, or the
    // picture of the result reopened since. OpenBmpDialog keeps its own path,
    // so it reopens at the bitmap the user chose.
    PictureDocument Document;
    // Counts the pictures ShowDocument has shown, so that a proposal for one
    // is not applied to the next.
    int PictureGeneration = 0;

    // The running face detection, asked for its end by ProposalPoll.
    LandmarkProposalJob Proposal;
    int ProposalGeneration = 0;
    QTimer ProposalPoll;
};

} // namespace quorvel
