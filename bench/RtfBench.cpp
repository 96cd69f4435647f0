// Reading and writing a 5 MB RTF document: a long application chapter of
// Chinese and Latin text with frequent format changes, tabs and line breaks.
#include <benchmark/benchmark.h>

#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

namespace {

constexpr std::size_t kTargetBytes = 5 * 1024 * 1024;

richtext::Document ChapterDocument() {
    richtext::CharFormat body;
    body.face = "仿宋_GB2312";
    body.sizeTwips = 280;
    richtext::CharFormat emphasis = body;
    emphasis.face = "Times New Roman";
    emphasis.bold = true;
    emphasis.colour = richtext::Colour{192, 0, 0};

    richtext::Document doc;
    std::size_t paragraphs = 0;
    while (richtext::WriteRtf(doc).size() < kTargetBytes) {
        for (int i = 0; i < 2000; ++i, ++paragraphs) {
            richtext::Paragraph& p = doc.AddParagraph({richtext::Alignment::Justify, 0, 560});
            p.AddText(body, "本项目针对复杂环境下的关键技术问题，开展系统的理论分析与实验研究，");
            p.AddText(emphasis, "Key result " + std::to_string(paragraphs));
            p.AddText(body, "：提出新的方法并完成验证。\t指标一\n指标二（≥95%）");
        }
    }
    return doc;
}

const richtext::Document& Chapter() {
    static const richtext::Document doc = ChapterDocument();
    return doc;
}

void BM_ReadRtf(benchmark::State& state) {
    const std::string rtf = richtext::WriteRtf(Chapter());
    for (auto _ : state) benchmark::DoNotOptimize(richtext::ReadRtf(rtf));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
    const richtext::Document& doc = Chapter();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string rtf = richtext::WriteRtf(doc);
        size = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
