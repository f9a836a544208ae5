// The node and element records of an archive in one line form, one record at a time: the
// readers store them, the summary counts them when the archive gives no figure.
#pragma once

#include <istream>
#include <string>

#include "archive_release.h"
#include "elem.h"
#include "line_reader.h"
#include "node.h"

class NodeRecords {
  public:
    // Reads `in` from its current position.
    NodeRecords(std::istream& in, LineForms::Nodes form) : reader_(in), form_(form) {}

    // Fills `node` (number and coordinates; coordinates the record omits are 0) from the next
    // record. Returns false after the last one.
    bool next(Node& node);

  private:
    LineReader reader_;
    LineForms::Nodes form_;
    bool started_ = false;  // the block has been entered
    bool done_ = false;
    std::string line_;
};

class ElementRecords {
  public:
    ElementRecords(std::istream& in, LineForms::Elements form) : reader_(in), form_(form) {}

    // Fills `elem` (number, type reference, material, real constant set, node count and the
    // first 8 node numbers; numbers the record does not give are 0) from the next record. The
    // continuation lines of elements with more nodes are passed over. Returns false after the last
    // one.
    bool next(Elem& elem);

  private:
    bool nextFromAttributeLines(Elem& elem);
    bool nextFromBlock(Elem& elem);
    // Enters the next element block that is read (see isReadElementBlock).
    bool enterNextBlock();

    LineReader reader_;
    LineForms::Elements form_;
    bool inBlock_ = false;
    bool blockSeen_ = false;  // an "EBLOCK" line has been met
    bool done_ = false;
    std::string line_;
};

// True for an element block whose rows the element readers read: the archive's first "EBLOCK"
// whatever its key, a later one only with the SOLID key, whose rows have the 18- or 19-number
// form (the others hold contact and surface elements in a short form of their own, which the
// summary counts as not translated).
bool isReadElementBlock(const std::string& blockLine, bool firstBlock);

// Number of records of each kind, for an archive without the figure of its "NUMOFF" line.
int countNodeRecords(std::istream& in, LineForms::Nodes form);
int countElementRecords(std::istream& in, LineForms::Elements form);
