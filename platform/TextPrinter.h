#pragma once

#include <string>

namespace qv {

/// A printer used as a plain-text device: one job of lines written one below the
/// other in a single font, with a new page whenever a page is full.
class TextPrinter {
public:
    virtual ~TextPrinter() = default;
    /// Starts a job; false when there is no printer or it refuses the job.
    virtual bool open() = 0;
    /// Prints one line below the previous one; false when the job failed.
    virtual bool writeLine(const std::string& line) = 0;
    /// Ends the job that open() started; false when it could not be finished.
    virtual bool close() = 0;
};

} // namespace qv
