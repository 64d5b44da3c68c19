// The main window as designed: its controls, their geometry and texts, the
// menus built from their table, and the binding of every event to its handler.
#include "app/errorreport.h"
#include "app/mainmenu.h"
#include "app/minform.h"
#include "app/minformtexts.h"
#include "app/namefilters.h"
#include "app/widgets/dockarea.h"
#include "app/widgets/formscale.h"
#include "app/widgets/namedcontrols.h"
#include "app/widgets/notifyingslider.h"
#include "app/widgets/splitterbar.h"
#include "face/fielddefaults.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <limits>

namespace quorvel {
namespace {

// Designed client area below the menu bar; the outer size is not scaled.
constexpr int clientWidth = 674;
constexpr int clientHeight = 436;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const QRect& rect) {
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
    button->setGeometry(rect);
    button->setAutoDefault(true); // Enter presses the focused button; none is the default
    return button;
}

} // namespace

TMainForm::TMainForm()
    : ImportPhotoDialog({PhotoFilter(), QStringLiteral("全てのﾌｧｲﾙ (*)")}),
      OpenResultDialog({QStringLiteral("結果ﾌｧｲﾙ (*.json)"), QStringLiteral("全てのﾌｧｲﾙ (*)")}),
      SaveResultDialog({QStringLiteral("PNG ｲﾒｰｼﾞ (*.png)")}, QStringLiteral("png")),
      Image(Named(new PictureView, "Image")), Document(*Image) {
    SaveResultDialog.ShareFolderWith(OpenResultDialog);
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
    CreateStatusBar();
    BindHandlers();
    SetTabOrder();
    setAcceptDrops(true);

    const FormScale scale(font());
    client->SetControls(Panel1, Splitter2, Panel2, Splitter1, ScrollBox1);
    client->SetBarThickness(scale.Length(4));
    client->SetDockedSize(DockSide::Bottom, scale.Length(88));
    client->SetDockedSize(DockSide::Left, scale.Length(169));
    // The status bar adds its height, so the client area keeps its size.
    resize(clientWidth,
           clientHeight + MainMenu1->sizeHint().height() + StatusBar1->sizeHint().height());
    NextButton->setFocus(); // the first control in tab order that can take it at step 0
}

// A detection still running is waited for; its busy cursor goes with it.
TMainForm::~TMainForm() {
    if (Proposal.Running()) {
        QApplication::restoreOverrideCursor();
    }
}

void TMainForm::CreateGuidancePanel() {
    const FormScale scale(font());
    WizText = MakeLabel(Panel1, "WizText", kWizMessages[0], scale.Point(24, 16));
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
    LabelAP = MakeLabel(Panel2, "LabelAP", kFieldDefaults[static_cast<std::size_t>(Field::LabelAP)],
                        scale.Point(88, 24));
    LabelAP->setAccessibleDescription(QStringLiteral("推定年齢"));
    // Under the age, above the first row; shown only while an age is.
    LabelRange = MakeLabel(Panel2, "LabelRange", "", scale.Point(88, 40));
    LabelRange->setAccessibleName(QString::fromUtf8(kAgeRangeName));
    LabelRange->hide();
    for (std::size_t i = 0; i < kParameterRows.size(); ++i) {
        const ParameterRow& row = kParameterRows[i];
        const int offset = 24 * static_cast<int>(i);
        auto* label = Named(new QLabel(QString::fromUtf8(row.caption), Panel2), row.labelName);
        label->setGeometry(scale.Rect(12, 64 + offset, 41, 17));
        label->setAlignment(Qt::AlignCenter);
        auto* edit =
            Named(new QLineEdit(QString::fromUtf8(kFieldDefaults[i]), Panel2), row.editName);
        edit->setGeometry(scale.Rect(60, 60 + offset, 97, 23));
        edit->setMaxLength(std::numeric_limits<int>::max()); // any text of any length
        if (i >= kFirstResultRow) {
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
    Image->resize(scale.Rect(0, 0, 493, 337).size());
    ScrollBox1->setWidget(Image);
    // Ctrl and the mouse wheel zoom about the pointer.
    ScrollBox1->viewport()->installEventFilter(this);
}

void TMainForm::CreateMenus() {
    MainMenu1 = Named(menuBar(), "MainMenu1");
    std::array<QMenu*, kMenuTitles.size()> menus{};
    for (std::size_t i = 0; i < kMenuTitles.size(); ++i) {
        menus[i] = Named(MainMenu1->addMenu(QString::fromUtf8(kMenuTitles[i].caption)),
                         kMenuTitles[i].name);
    }
    for (const MenuCommand& command : MenuCommands()) {
        QMenu* menu = menus.at(command.menu);
        if (command.handler == nullptr) {
            Named(menu->addSeparator(), command.name);
            continue;
        }
        QAction* item = Named(menu->addAction(QString::fromUtf8(command.caption)), command.name);
        item->setShortcuts(command.shortcuts);
        Bind(item, &QAction::triggered, command.handler);
    }
}

void TMainForm::CreateStatusBar() {
    StatusBar1 = Named(statusBar(), "StatusBar1");
    ZoomLabel = Named(new QLabel(StatusBar1), "ZoomLabel");
    ZoomLabel->setAccessibleDescription(QString::fromUtf8(kZoomDescription));
    StatusBar1->addPermanentWidget(ZoomLabel);
    ShowZoom(Image->Zoom());
    connect(Image, &PictureView::ZoomChanged, this, &TMainForm::ShowZoom);
}

// Every handler runs guarded: a failure that escapes it is reported and the
// event loop goes on.
template <typename Sender, typename Signal>
void TMainForm::Bind(Sender* sender, Signal signal, void (TMainForm::*handler)(QObject*)) {
    connect(sender, signal, this,
            [this, sender, handler] { RunGuarded([&] { (this->*handler)(sender); }); });
}

void TMainForm::BindHandlers() {
    Bind(BackButton, &QPushButton::clicked, &TMainForm::BackButtonClick);
    Bind(NextButton, &QPushButton::clicked, &TMainForm::NextButtonClick);
    Bind(RedrawButton, &QPushButton::clicked, &TMainForm::RedrawButtonClick);
    Bind(TrackBar, &NotifyingSlider::Notified, &TMainForm::TrackBarChange);
    connect(&ProposalPoll, &QTimer::timeout, this,
            [this] { RunGuarded([&] { ApplyLandmarkProposal(); }); });
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

} // namespace quorvel
