#include "app/text/TextFits.h"

#include <benchmark/benchmark.h>

namespace {

// The text fit check runs on every keystroke in the page's largest edit: a comment of up to 550
// characters in lines of words.
QString Comment(int length)
{
    QString text;
    const QString words[] = {"insulation ", "hot ", "joint ", "terminal\r\n", "phase ", "overloaded "};
    for (int i = 0; text.size() < length; ++i) {
        text += words[i % 6];
    }
    return text.left(length);
}

void BM_TextFitsComment(benchmark::State& state)
{
    const QString text = Comment(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextFits(text, 51, 5));
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TextFitsComment)->Arg(50)->Arg(250)->Arg(550);

} // namespace

BENCHMARK_MAIN();
