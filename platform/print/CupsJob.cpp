#include "CupsJob.h"

#include <cups/cups.h>
#include <utility>
#include <vector>

namespace gb {

int SubmitPdfToCups(const std::string& queue, const std::string& file, const std::string& title,
                    const CupsJobOptions& options) {
    std::vector<std::pair<std::string, std::string>> named;
    if (!options.Media.empty()) named.emplace_back("media", options.Media);
    if (options.Copies > 1) named.emplace_back("copies", std::to_string(options.Copies));
    if (options.Copies > 1 && options.Collate) named.emplace_back("Collate", "True");
    named.emplace_back("sides", options.Sides);
    if (options.Landscape) named.emplace_back("landscape", "");
    if (options.Monochrome) named.emplace_back("print-color-mode", "monochrome");

    cups_option_t* list = nullptr;
    int count = 0;
    for (const auto& [name, value] : named) count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
    // A queue's instance ("queue/instance") prints on the queue itself.
    const std::string destination = queue.substr(0, queue.find('/'));
    const int job = cupsPrintFile(destination.c_str(), file.c_str(), title.c_str(), count, list);
    cupsFreeOptions(count, list);
    return job;
}

} // namespace gb
