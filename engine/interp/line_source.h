#pragma once

#include <string>

namespace zentrel {

// The text of a run that is compiled one line at a time, each line just before
// its statements execute: an external function read from its file.
class LineSource {
  public:
    virtual ~LineSource() = default;
    // The next line without its line end; false at the end of the text.
    virtual bool nextLine(std::string& line) = 0;
};

}  // namespace zentrel
