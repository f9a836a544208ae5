// Archive summary: the release and the line forms it selects, the capacity figures of the
// tables, and the count of the loads that are not translated.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "archive_pass.h"
#include "data.h"
#include "fatal_error.h"
#include "inertia_loads.h"
#include "line_reader.h"
#include "material_line.h"
#include "mesh_records.h"
#include "scan_text.h"
#include "surface_loads.h"
#include "text_format.h"

const SummaryRules kAnszentaRules = {"Translator might need updating\n", true, true};
const SummaryRules kAnsmrpRules = {"Translator needs updating\n", false, false};

namespace {

// Parses one "%d" from `text`; a number that does not parse reads as 0.
int intAt(const char* text) {
    int value = 0;
    scanText(text, "%d", &value);
    return value;
}

// The number after the comma that follows the keyword of a "NUMOFF" line, so that
// "NUMOFF,MAT ,        1" reads like "NUMOFF,MAT,      1".
int numoffFigure(const std::string& line) {
    const char* comma = std::strchr(fromPosition(line, std::strlen("NUMOFF,")), ',');
    return comma == nullptr ? 0 : intAt(comma + 1);
}

// What one pass over the archive finds.
struct SummaryScan {
    std::optional<ArchiveRelease> release;
    bool meshDataSeen = false;  // the release line is looked for only before the mesh
    bool firstElementBlock = true;
    FormEvidence evidence;

    std::optional<int> nodeFigure, elementFigure, materialFigure;  // "NUMOFF" lines
    int elementSets = 0;
    int boundaryConditions = 0;
    std::unordered_set<int> materialNumbers;
    std::unordered_set<int> materialsWithNuxy;

    int shortFormElementLines = 0;  // rows of later element blocks without the SOLID key
    UntranslatedLoads loads;
    size_t pieces = 0;  // of the whole archive: no table holds more records
};

// The summary's pass: every command line that it looks at, the rows of the blocks that it
// counts, and the format line of the first element block.
class SummaryReader : public ArchiveReader {
  public:
    SummaryScan scan;

    void take(const std::string& piece) override;

    // The rows of the block whose keyword line has just been read each add one to `count`.
    void countRows(int& count) {
        rowCount_ = &count;
        blockRows_.enter();
    }
    // The next piece is the format line of the first element block.
    void expectElementFormat() { elementFormatNext_ = true; }

  private:
    void takeElementFormat(const std::string& format);

    BlockRows blockRows_;
    int* rowCount_ = nullptr;
    bool elementFormatNext_ = false;
};

using LineHandler = void (*)(SummaryReader& reader, const std::string& line);

struct SummaryKeyword {
    const char* prefix;
    LineHandler handle;
};

// A line that adds one to a count.
template <int SummaryScan::*count>
void countLine(SummaryReader& reader, const std::string&) {
    ++(reader.scan.*count);
}

// A block whose rows each add one to a count.
template <int SummaryScan::*count>
void countBlockRows(SummaryReader& reader, const std::string&) {
    reader.countRows(reader.scan.*count);
}

// The same for the counts of loads that are not translated.
template <int UntranslatedLoads::*count>
void countLoadLine(SummaryReader& reader, const std::string&) {
    ++(reader.scan.loads.*count);
}

template <int UntranslatedLoads::*count>
void countLoadBlockRows(SummaryReader& reader, const std::string&) {
    reader.countRows(reader.scan.loads.*count);
}

// A "NUMOFF" line: a later one overrides an earlier one.
template <std::optional<int> SummaryScan::*figure>
void noteFigure(SummaryReader& reader, const std::string& line) {
    reader.scan.*figure = numoffFigure(line);
}

void noteRelease(SummaryReader& reader, const std::string& line) {
    SummaryScan& scan = reader.scan;
    if (!scan.release && !scan.meshDataSeen) scan.release = parseReleaseLine(line);
}

void noteMaterial(SummaryReader& reader, const std::string& line) {
    MaterialLine material = parseMaterialLine(line);
    reader.scan.materialNumbers.insert(material.material);
    if (material.label.compare(0, 4, "NUXY") == 0)
        reader.scan.materialsWithNuxy.insert(material.material);
}

void noteNodeBlock(SummaryReader& reader, const std::string&) {
    reader.scan.meshDataSeen = true;
    reader.scan.evidence.blocks = true;
}

// The format line of the first element block tells 18 numbers per row from 19. The rows of a
// block that the element readers pass over are counted here.
void noteElementBlock(SummaryReader& reader, const std::string& line) {
    SummaryScan& scan = reader.scan;
    scan.meshDataSeen = true;
    scan.evidence.blocks = true;
    if (!isReadElementBlock(line, scan.firstElementBlock))
        reader.countRows(scan.shortFormElementLines);
    else if (scan.firstElementBlock)
        reader.expectElementFormat();
}

void noteNodeLine(SummaryReader& reader, const std::string& line) {
    SummaryScan& scan = reader.scan;
    scan.meshDataSeen = true;
    bool versioned =
        line.size() >= 10 && startsWith(line, "N,R5.") && line.compare(6, 4, ",LOC") == 0;
    if (versioned && scan.evidence.nodeLineMinor < 0 && line[5] >= '0' && line[5] <= '9')
        scan.evidence.nodeLineMinor = line[5] - '0';
}

void noteElementLine(SummaryReader& reader, const std::string&) {
    reader.scan.meshDataSeen = true;
}

void noteSurfaceLoadLine(SummaryReader& reader, const std::string& line) {
    if (isSurfaceLoadLine(line)) ++reader.scan.loads.elementSurfaceLoads;
}

// Accelerations and rotational velocities count when a value is not 0 (every archive written
// with the solid model holds an all-zero "ACEL" line).
void noteAcceleration(SummaryReader& reader, const std::string& line) {
    if (anyNonzero(inertiaComponents(line, std::strlen("ACEL,"))))
        ++reader.scan.loads.accelerations;
}

void noteRotation(SummaryReader& reader, const std::string& line) {
    if (anyNonzero(inertiaComponents(line, line.find(',') + 1))) ++reader.scan.loads.rotations;
}

// Every command line that the summary looks at; the first prefix that matches decides.
const SummaryKeyword kSummaryKeywords[] = {
    {kReleasePrefix, noteRelease},
    {"NUMOFF,NODE", noteFigure<&SummaryScan::nodeFigure>},
    {"NUMOFF,ELEM", noteFigure<&SummaryScan::elementFigure>},
    {"NUMOFF,MAT", noteFigure<&SummaryScan::materialFigure>},
    {"ET,", countLine<&SummaryScan::elementSets>},
    {"ETBLOCK", countBlockRows<&SummaryScan::elementSets>},
    {"D,", countLine<&SummaryScan::boundaryConditions>},
    {"F,", countLine<&SummaryScan::boundaryConditions>},
    {"MPDATA", noteMaterial},
    {"NBLOCK", noteNodeBlock},
    {"EBLOCK", noteElementBlock},
    {"N,", noteNodeLine},
    {"EN,", noteElementLine},
    // Surface loads, body loads, accelerations and rotational velocities, which are not
    // translated (with -full the load assembly translates some of them).
    {"SFEBLOCK", countLoadBlockRows<&UntranslatedLoads::elementSurfaceLoads>},
    {"SFE,", noteSurfaceLoadLine},
    {"SF,", countLoadLine<&UntranslatedLoads::otherSurfaceLoads>},
    {"SFL,", countLoadLine<&UntranslatedLoads::otherSurfaceLoads>},
    {"SFA,", countLoadLine<&UntranslatedLoads::otherSurfaceLoads>},
    {"BF,", countLoadLine<&UntranslatedLoads::bodyLoads>},
    {"BFE,", countLoadLine<&UntranslatedLoads::bodyLoads>},
    {"BFL,", countLoadLine<&UntranslatedLoads::bodyLoads>},
    {"BFA,", countLoadLine<&UntranslatedLoads::bodyLoads>},
    {"ACEL,", noteAcceleration},
    {"OMEGA,", noteRotation},
    {"CGOMGA,", noteRotation},
    {"DOMEGA,", noteRotation},
    {"CGLOC,", noteRotation},
};

void SummaryReader::takeElementFormat(const std::string& format) {
    elementFormatNext_ = false;
    scan.firstElementBlock = false;
    scan.evidence.eighteenNumbers =
        startsWith(format, "(18i") && format.size() > 4 && format[4] >= '0' && format[4] <= '9';
}

void SummaryReader::take(const std::string& piece) {
    ++scan.pieces;
    if (blockRows_.take(piece, [this](const std::string&) { ++*rowCount_; })) return;
    // A block without its format line: the line after the keyword is read as a command.
    if (elementFormatNext_) takeElementFormat(piece);
    if (!isCommandLine(piece)) return;  // rows of the node and element blocks
    for (const SummaryKeyword& keyword : kSummaryKeywords) {
        if (startsWith(piece, keyword.prefix)) {
            keyword.handle(*this, piece);
            return;
        }
    }
}

SummaryScan scanArchive(std::istream& cdbFile) {
    SummaryReader reader;
    readTogether(cdbFile, {&reader});
    return std::move(reader.scan);
}

}  // namespace

void Data::reportUntranslatedLoads() {
    const UntranslatedLoads& loads = untranslatedLoads;
    const std::pair<int, const char*> untranslated[] = {
        {loads.elementSurfaceLoads + loads.otherSurfaceLoads,
         " surface load lines not translated\n"},
        {loads.bodyLoads, " body load lines not translated\n"},
        {loads.accelerations, " acceleration lines not translated\n"},
        {loads.rotations, " rotational velocity lines not translated\n"},
    };
    for (const auto& [count, what] : untranslated)
        if (count > 0) console_ << count << what;
}

void Data::readSummary(std::istream& cdbFile) {
    std::streampos start = cdbFile.tellg();
    SummaryScan scan = scanArchive(cdbFile);

    ArchiveRelease release = scan.release.value_or(ArchiveRelease::unknown());
    console_ << release.versionLine();
    if (release.newerThanChecked()) console_ << rules_.newerWarning;
    if (release.tooOld())
        throw FatalError(formatText("Cannot translate Ansys version %d\n", release.major));
    lineForms = lineFormsOf(release, scan.evidence);

    // A figure without its "NUMOFF" line is the number of records in the forms just chosen,
    // counted in one more pass.
    NodeRecordCounter nodeRecords(lineForms.nodes);
    ElementRecordCounter elementRecords(lineForms.elements);
    std::vector<ArchiveReader*> counters;
    if (!scan.nodeFigure) counters.push_back(&nodeRecords);
    if (!scan.elementFigure) counters.push_back(&elementRecords);
    if (!counters.empty()) {
        cdbFile.clear();
        cdbFile.seekg(start);
        readTogether(cdbFile, counters);
    }
    maxNodes = scan.nodeFigure.value_or(nodeRecords.count);
    maxElems = scan.elementFigure.value_or(elementRecords.count);
    if (scan.materialFigure)
        maxMats =
            *scan.materialFigure <= 0 && rules_.defaultMaterialFigure ? 10 : *scan.materialFigure;
    else
        maxMats = static_cast<int>(scan.materialNumbers.size());
    maxElSets = scan.elementSets;
    maxBCs = scan.boundaryConditions;
    materialsWithNuxy = std::move(scan.materialsWithNuxy);
    // Room for the records that the archive can hold, so that the large tables are not copied
    // as they grow.
    nodes.reserve(std::min<size_t>(static_cast<size_t>(std::max(maxNodes, 0)), scan.pieces));
    elems.reserve(std::min<size_t>(static_cast<size_t>(std::max(maxElems, 0)), scan.pieces));

    console_ << formatText("Number of nodes: %d\n", maxNodes)
             << formatText("Number of elements: %d\n", maxElems)
             << formatText("Number of materials: %d\n", maxMats)
             << formatText("Number of element sets: %d\n", maxElSets)
             << formatText("Number of nodal boundary conditions: %d\n", maxBCs);
    if (scan.shortFormElementLines > 0)
        console_ << formatText("%d element lines of blocks without the SOLID key not translated\n",
                               scan.shortFormElementLines);
    untranslatedLoads = scan.loads;
    // With -full the loads are reported once the load assembly has translated what it can.
    if (rules_.reportsUntranslatedLoads && !full) reportUntranslatedLoads();

    // Figures of the archive's own "NUMOFF" lines that are not positive stop without a word;
    // counted ones say that nothing was found.
    bool countedNone =
        (!scan.nodeFigure && maxNodes == 0) || (!scan.elementFigure && maxElems == 0);
    if (maxNodes <= 0 || maxElems <= 0) throw FatalError(countedNone ? kNoMeshMessage : "");
}
