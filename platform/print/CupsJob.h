#pragma once
// Hands a finished PDF file to a CUPS queue as one print job.
#include <string>

namespace gb {

struct CupsJobOptions {
    std::string Media;   // the paper's key, such as "A4"
    int Copies = 1;
    bool Collate = false;
    bool Landscape = false;
    // "one-sided", "two-sided-long-edge" or "two-sided-short-edge"
    std::string Sides = "one-sided";
    bool Monochrome = false;
};

// The job's number, or 0 when CUPS refused the job.
int SubmitPdfToCups(const std::string& queue, const std::string& file, const std::string& title,
                    const CupsJobOptions& options);

} // namespace gb
