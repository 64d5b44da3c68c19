// The judgement's range beside one judgement in the same run, on the sample
// face clicked as on pictures 512, 4000 and 8000 pixels wide (the box grows
// with the eye-to-chin distance: 1, 13 and 26 pixels either way), and the
// details the window lists.
#include "face/face.h"
#include "face/memoryfields.h"
#include "face/trialjudgement.h"
#include "numtext/decimalseparator.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>

namespace {

using quorvel::Field;

// The parameter panel as the main window starts it.
class PanelFields : public quorvel::FaceFields {
public:
    std::string ReadText(Field field) const override { return texts_.at(field); }
    void WriteText(Field field, const std::string& text) override { texts_[field] = text; }

private:
    std::map<Field, std::string> texts_{
        {Field::EditCX, "0"},   {Field::EditCY, "0"},   {Field::EditR, "100"},
        {Field::EditH, "1.2"},  {Field::EditMO, "1.2"}, {Field::EditE, "0"},
        {Field::EditNH, "0.3"}, {Field::EditMH, "0.5"}, {Field::EditA, "0"},
        {Field::EditY, "0"},    {Field::EditX, "0"},    {Field::LabelAP, "未判定"}};
};

constexpr int kSampleWidth = 512;

// The sample face's landmarks and contour as the walk-through sets them, on a
// picture `width` pixels wide.
PanelFields SampleFace(int width) {
    quorvel::SetDecimalSeparator('.');
    const auto at = [width](int pixel) { return pixel * width / kSampleWidth; };
    PanelFields fields;
    quorvel::PlaceLandmark(1, at(219), at(82), fields);
    quorvel::PlaceLandmark(2, at(162), at(100), fields);
    quorvel::PlaceLandmark(3, at(90), at(19), fields);
    quorvel::PlaceLandmark(4, at(90), at(167), fields);
    quorvel::ApplyContourSlider(5, 20, fields);
    quorvel::PlaceLandmark(7, at(90), at(118), fields);
    quorvel::PlaceLandmark(8, at(90), at(142), fields);
    return fields;
}

void BM_OneJudgement(benchmark::State& state) {
    const PanelFields fields = SampleFace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        quorvel::MemoryFields trial(fields);
        benchmark::DoNotOptimize(quorvel::JudgeTrial(trial));
    }
}

void BM_JudgeAgeRange(benchmark::State& state) {
    const PanelFields fields = SampleFace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::JudgeAgeRange(fields));
    }
}

void BM_DescribeJudgement(benchmark::State& state) {
    const PanelFields fields = SampleFace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::DescribeJudgement(fields));
    }
}

BENCHMARK(BM_OneJudgement)->Arg(512)->Arg(4000)->Arg(8000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JudgeAgeRange)->Arg(512)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DescribeJudgement)->Arg(512)->Arg(4000)->Arg(8000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
