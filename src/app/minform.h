#pragma once

#include "app/openfiledialog.h"
#include "face/facefields.h"
#include "view/pictureview.h"

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;

namespace quorvel {

class NotifyingSlider;
class SplitterBar;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* OpenBitmapItem = nullptr;
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
};

} // namespace quorvel
