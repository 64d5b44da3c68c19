#pragma once

#include "face/facefields.h"
#include "face/wizsteps.h"

#include <array>

namespace quorvel {

// Guidance line of each step; the katakana stay half-width.
inline constexpr std::array<const char*, 10> kWizMessages{
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

// What the contour slider adjusts, as screen readers announce it.
inline const char* ContourSliderName(int wizStep) {
    return wizStep == wizstep::kUpperContour ? "顔の輪郭形（上半分）" : "顔の輪郭形（下半分）";
}

struct ParameterRow {
    const char* labelName;
    const char* caption;
    const char* editName;
};

// Indexed by Field, EditCX to EditX; their first texts are kFieldDefaults.
inline constexpr std::array<ParameterRow, kFieldCount> kParameterRows{{
    {"Label1", "cx", "EditCX"},
    {"Label2", "cy", "EditCY"},
    {"Label3", "r", "EditR"},
    {"Label4", "h", "EditH"},
    {"Label5", "mo", "EditMO"},
    {"Label6", "e", "EditE"},
    {"Label7", "nh", "EditNH"},
    {"Label8", "mh", "EditMH"},
    {"Label9", "a", "EditA"},
    {"Label10", "y", "EditY"},
    {"Label11", "x", "EditX"},
}};

// EditY and EditX are written only by the judgement.
inline constexpr std::size_t kFirstResultRow = 9;

// Where a save put its two files; shown for a while in the status bar.
inline constexpr const char* kResultSavedSign = "結果を %1 と %2 に保存しました";
inline constexpr int kResultSavedSignMilliseconds = 10000;

// The zoom in percent, as the status bar shows it.
inline constexpr const char* kZoomText = "%1 %";
inline constexpr const char* kZoomDescription = "表示倍率";

// The age's range at step 9, beside the age and in its tool tip.
inline constexpr const char* kAgeRangeText = "範囲 %1–%2";
inline constexpr const char* kAgeRangeName = "推定年齢の範囲";

// Commands that need a picture or a judgement to work on.
inline constexpr const char* kNothingToDetectMessage =
    "顔を検出する画像がありません（先に画像を開いてください）";
inline constexpr const char* kNothingJudgedMessage =
    "判定の詳細がありません（先に判定してください）";

} // namespace quorvel
