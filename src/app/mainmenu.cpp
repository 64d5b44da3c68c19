#include "app/mainmenu.h"

#include "app/minform.h"

namespace quorvel {
namespace {

MenuCommand Separator(MenuIndex menu, const char* name) {
    return {menu, name, nullptr, {}, nullptr};
}

} // namespace

std::vector<MenuCommand> MenuCommands() {
    using Form = TMainForm;
    return {
        {kFileMenu, "OpenBitmapItem", "背景ﾋﾞｯﾄﾏｯﾌﾟを開く(&B)...", {}, &Form::OpenBitmapItemClick},
        {kFileMenu,
         "ImportPhotoItem",
         "写真を取り込む(&I)...",
         {Qt::CTRL | Qt::Key_I},
         &Form::ImportPhotoItemClick},
        Separator(kFileMenu, "N3"),
        {kFileMenu, "OpenResultItem", "結果を開く(&R)...", {}, &Form::OpenResultItemClick},
        {kFileMenu,
         "SaveResultItem",
         "結果を保存(&S)...",
         {Qt::CTRL | Qt::Key_S},
         &Form::SaveResultItemClick},
        Separator(kFileMenu, "N1"),
        {kFileMenu, "ExitItem", "閉じる(&X)", {}, &Form::ExitItemClick},
        {kViewMenu,
         "ZoomInItem",
         "拡大(&I)",
         {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal},
         &Form::ZoomInItemClick},
        {kViewMenu, "ZoomOutItem", "縮小(&O)", {QKeySequence::ZoomOut}, &Form::ZoomOutItemClick},
        {kViewMenu,
         "ActualSizeItem",
         "実際のｻｲｽﾞ(&A)",
         {Qt::CTRL | Qt::Key_0},
         &Form::ActualSizeItemClick},
        {kViewMenu, "FitWindowItem", "ｳｨﾝﾄﾞｳに合わせる(&W)", {}, &Form::FitWindowItemClick},
        // The commands that work on the face shown, apart from the zoom: the
        // file menu keeps its entries as they always were.
        Separator(kViewMenu, "N4"),
        {kViewMenu,
         "DetectFaceItem",
         "顔を検出(&D)",
         {Qt::CTRL | Qt::Key_D},
         &Form::DetectFaceItemClick},
        {kViewMenu,
         "JudgementDetailsItem",
         "判定の詳細(&J)...",
         {},
         &Form::JudgementDetailsItemClick},
        {kHelpMenu, "ReadMeItem", "ReadMe(&R)", {}, &Form::ReadMeItemClick},
        Separator(kHelpMenu, "N2"),
        {kHelpMenu, "VersionItem", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", {}, &Form::VersionItemClick},
    };
}

} // namespace quorvel
