// The node and element records of an archive in one line form, one record at a time: the
// readers store them, the summary counts them when the archive gives no figure.
#pragma once

#include <istream>
#include <string>

#include "archive_pass.h"
#include "archive_release.h"
#include "elem.h"
#include "node.h"

// The node records of one line form. Takes the archive's pieces one at a time, in file order.
class NodeRecords {
  public:
    explicit NodeRecords(LineForms::Nodes form) : form_(form) {}

    // True when `piece` is a node record: `node` then holds its number and coordinates
    // (coordinates the record omits are 0).
    bool take(const std::string& piece, Node& node);

  private:
    // Line forms: every line until the end marker. Block form: the keyword line, its format
    // line, then one node per line up to a line beginning "N".
    enum class State { Seeking, FormatLine, Rows, Done };

    LineForms::Nodes form_;
    State state_ = State::Seeking;
};

// The element records of one line form, from the archive's pieces in file order.
class ElementRecords {
  public:
    explicit ElementRecords(LineForms::Elements form) : form_(form) {}

    // True when `piece` completes an element: `elem` then holds its number, type reference,
    // material, real constant set, node count and first 8 node numbers (numbers the record
    // does not give are 0). The continuation lines of elements with more nodes are passed over.
    bool take(const std::string& piece, Elem& elem);

  private:
    bool takeAttributeLine(const std::string& piece, Elem& elem);
    bool takeBlockLine(const std::string& piece, Elem& elem);

    // Blocks: the keyword line of a block that is read (see isReadElementBlock), its format
    // line, then its rows up to its end; the next block is then looked for.
    enum class State { Seeking, FormatLine, Rows };

    LineForms::Elements form_;
    State state_ = State::Seeking;
    bool blockSeen_ = false;     // an "EBLOCK" line has been met
    int continuationLines_ = 0;  // still to pass over
    Elem pending_;               // attributes waiting for their node line
};

// True for an element block whose rows the element readers read: the archive's first "EBLOCK"
// whatever its key, a later one only with the SOLID key, whose rows have the 18- or 19-number
// form (the others hold contact and surface elements in a short form of their own, which the
// summary counts as not translated).
bool isReadElementBlock(const std::string& blockLine, bool firstBlock);

// Counts the records of a line form, for an archive without the figure of its "NUMOFF" line.
template <typename Records, typename Record>
class RecordCounter : public ArchiveReader {
  public:
    template <typename Form>
    explicit RecordCounter(Form form) : records_(form) {}

    void take(const std::string& piece) override { count += records_.take(piece, record_); }

    int count = 0;

  private:
    Records records_;
    Record record_;
};

using NodeRecordCounter = RecordCounter<NodeRecords, Node>;
using ElementRecordCounter = RecordCounter<ElementRecords, Elem>;
