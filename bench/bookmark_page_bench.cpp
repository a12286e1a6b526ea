#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/pages/bookmark_page.h"

namespace fjordheim {
namespace {

std::string PageOf(std::size_t entries) {
  std::vector<TBookmarkEntry> table;
  for (std::size_t i = 0; i < entries; ++i) {
    table.push_back({"Bokmerke " + std::to_string(i), "http://fjordheim.no/side" + std::to_string(i) + ".htm",
                     "En kort tekst om skip, sild & sølv"});
  }
  return "<html>\r\n<!--BEGIN Tunstad-->\r\n" + TBookmarkPage::TableBytes(table) + "<!--END Tunstad-->\r\n</html>\r\n";
}

// Every time the bookmark dialog opens it reads the whole table and may write it back.
void ReadAndWriteTable(benchmark::State& state) {
  const std::string page = PageOf(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    const TBookmarkPage read = TBookmarkPage::FromBytes(page);
    benchmark::DoNotOptimize(read.BytesWithTable(read.Entries()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(ReadAndWriteTable)->Arg(10)->Arg(1000);

// A hostile page of unclosed cells, each running to the end of the page, up to the limits.
void ReadUnclosedCells(benchmark::State& state) {
  std::string page = "<!--BEGIN Tunstad-->\r\n";
  while (page.size() < 1000000) page += "<th\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(TBookmarkPage::FromBytes(page));
}
BENCHMARK(ReadUnclosedCells)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fjordheim
