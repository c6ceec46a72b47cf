#include "app/text/TextFits.h"

#include <benchmark/benchmark.h>

namespace {

// The text fit check runs on every keystroke in the pages' edits; it lays the text out as the
// report does. The largest: a comment of up to 550 characters and general comments of 2200, in
// lines of words or in Japanese.
QString Comment(int length)
{
    QString text;
    const QString words[] = {"insulation ", "hot ", "joint ", "terminal\r\n", "phase ", "overloaded "};
    for (int i = 0; text.size() < length; ++i) {
        text += words[i % 6];
    }
    return text.left(length);
}

QString Japanese(int length)
{
    const QString sentence = QStringLiteral("配電盤の端子台で接続部が過熱しています。");
    return sentence.repeated(length / sentence.size() + 1).left(length);
}

void BM_TextFitsComment(benchmark::State& state)
{
    const QString text = Comment(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(TypedTextFit(TypedField::Comment, text));
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TextFitsComment)->Arg(50)->Arg(250)->Arg(550);

void BM_TextFitsJapaneseComment(benchmark::State& state)
{
    const QString text = Japanese(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(TypedTextFit(TypedField::Comment, text));
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TextFitsJapaneseComment)->Arg(250)->Arg(550);

void BM_TextFitsGeneralComments(benchmark::State& state)
{
    const QString text = state.range(0) == 0 ? Comment(2200) : Japanese(2200);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TypedTextFit(TypedField::GeneralComments, text));
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TextFitsGeneralComments)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
