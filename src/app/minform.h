#pragma once

#include "app/filechooser.h"
#include "app/openfiledialog.h"
#include "face/facefields.h"
#include "view/pictureview.h"

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QImage;

namespace quorvel {

class NotifyingSlider;
class SplitterBar;
struct ResultRecord;

// The main window: the guidance panel, the parameter panel whose texts are the
// face model's only store, the picture view and the menus. Every control's
// objectName is its member name. Handlers are thin calls into the face model.
class TMainForm : public QMainWindow, public FaceFields {
    Q_OBJECT
public:
    TMainForm();
    ~TMainForm() override;

    std::string ReadText(Field field) const override;
    void WriteText(Field field, const std::string& text) override;

    // Handlers, named after control and event; Sender is not used.
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
    void CreateViewMenu();
    void ZoomAboutCentre(double zoom);
    void BindHandlers();
    void SetTabOrder();
    void UpdateWizStep();
    std::string FileName() const;
    void TakeConfirmedBitmap();
    void OpenGivenFile(const std::string& fileName);
    void ImportPhotoFile(const std::string& photo);
    void ShowBitmap(const std::string& fileName);
    void ShowImportedPhoto(const std::string& workingCopy);
    void OpenResultFile(const std::string& fileName);
    void LoadRecordPicture(const ResultRecord& record, const std::string& picture);
    ResultRecord CurrentRecord() const;
    QImage PictureToSave() const;

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* OpenBitmapItem = nullptr;
    QAction* ImportPhotoItem = nullptr;
    QAction* N3 = nullptr;
    QAction* OpenResultItem = nullptr;
    QAction* SaveResultItem = nullptr;
    QAction* N1 = nullptr;
    QAction* ExitItem = nullptr;
    QAction* ZoomInItem = nullptr;
    QAction* ZoomOutItem = nullptr;
    QAction* ActualSizeItem = nullptr;
    QAction* FitWindowItem = nullptr;
    QAction* ReadMeItem = nullptr;
    QAction* N2 = nullptr;
    QAction* VersionItem = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* NextButton = nullptr;
    NotifyingSlider* TrackBar = nullptr;
    QLabel* WizText = nullptr;
    OpenFileDialog OpenBmpDialog;
    FileChooser ImportPhotoDialog;
    FileChooser OpenResultDialog;
    FileChooser SaveResultDialog;
    // EditCX to EditX, indexed by Field.
    std::array<QLineEdit*, 11> Edits{};
    std::array<QLabel*, 11> RowLabels{}; // Label1 to Label11
    QLabel* Label12 = nullptr;
    QLabel* LabelAP = nullptr;
    QPushButton* RedrawButton = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PictureView* Image = nullptr;
    SplitterBar* Splitter1 = nullptr;
    SplitterBar* Splitter2 = nullptr;

    int WizStep = 0;
    // The file the redraw reloads: the bitmap confirmed last in OpenBmpDialog,
    // or the working copy of the photo imported since, or the picture of the
    // result reopened since. OpenBmpDialog keeps its own path, so it reopens
    // at the bitmap the user chose.
    std::string PictureName;
    // The photo PictureName was imported from; empty for a bitmap.
    std::string PhotoName;
};

} // namespace quorvel
