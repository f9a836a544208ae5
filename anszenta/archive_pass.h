// One pass over an archive for several readers. Each reader keeps one rule for which lines it
// reads and takes the archive's pieces one at a time, in file order; a pass hands every piece to
// each of its readers in turn, so that the archive is read once however many readers it has.
//
// The readers used to read the archive one after another, each printing its messages and
// possibly stopping the run. So that a shared pass prints the same, a reader's messages and its
// stop wait until the pipeline releases them, reader by reader, in that old order.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "fatal_error.h"
#include "line_reader.h"

class ArchiveReader {
  public:
    virtual ~ArchiveReader() = default;

    // The next piece of the archive (as LineReader cuts it). A FatalError that it raises ends
    // the reader's reading: it gets no further pieces.
    virtual void take(const std::string& piece) = 0;
    // The end of the archive.
    virtual void finish() {}

    // Prints what the reader has printed to `console`, then raises the stop that ended its
    // reading, if one did.
    void release(std::ostream& console);

  protected:
    // Where the reader prints its messages.
    std::ostream& console() { return messages_; }

  private:
    friend void readTogether(std::istream& in, const std::vector<ArchiveReader*>& readers);

    std::ostringstream messages_;
    std::optional<FatalError> stop_;
};

// Reads `in` from its current position once, handing every piece to each reader in the order
// given. Once a reader stops, the readers after it get no further pieces: their messages would
// never have been printed.
void readTogether(std::istream& in, const std::vector<ArchiveReader*>& readers);

// Reads `in` with one reader alone and releases it to `console`.
void readAlone(std::istream& in, ArchiveReader& reader, std::ostream& console);

// The rows of a block whose keyword line has just been read, up to its end line "-1" or the end
// of the input. The format description line "(...)" and blank lines are passed over; a command
// line also ends the block and is read as a line.
class BlockRows {
  public:
    void enter() { inside_ = true; }

    // Takes a piece while the block lasts, handing a row to `row`. False when the block is not
    // entered, or has just ended at a command line, which the caller then reads as a line.
    template <typename Row>
    bool take(const std::string& piece, Row row) {
        if (!inside_) return false;
        if (isBlockEndLine(piece)) {
            inside_ = false;
        } else if (isNumberRow(piece)) {
            row(piece);
        } else if (isCommandLine(piece)) {
            inside_ = false;
            return false;
        }
        return true;
    }

  private:
    bool inside_ = false;
};
