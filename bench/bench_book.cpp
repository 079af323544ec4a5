#include "buildbook.h"
#include "sampledocument.h"

#include <benchmark/benchmark.h>

// The book's page layout: the made-up book of the tests (some 40 A4 pages:
// long tables with wrapped cells, dimensioned drawings, pictures, the
// contents), its blocks measured, its pages broken and the PDF written in
// memory.

namespace {

void BM_BookLayout(benchmark::State& state) {
    for (auto _ : state) {
        const BookDocument book = sampleDocument(BookPaper::A4, 8);
        const QByteArray pdf = book.pdf();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pages"] = sampleDocument(BookPaper::A4, 8).pages().count;
}
BENCHMARK(BM_BookLayout)->Unit(benchmark::kMillisecond);

// The build book of the default design on A4, as quarvel-cli book makes it:
// the plan, the model and its pictures, the shopping list, the cut diagrams,
// the pages and the PDF in memory.
void BM_Book(benchmark::State& state) {
    for (auto _ : state) {
        const ConstructionPlan plan = buildConstructionPlan({}, {});
        const QByteArray pdf = buildBook(plan, {}, BookPaper::A4).pdf();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pages"] =
        buildBook(buildConstructionPlan({}, {}), {}, BookPaper::A4).pages().count;
}
BENCHMARK(BM_Book)->Unit(benchmark::kMillisecond);

} // namespace
