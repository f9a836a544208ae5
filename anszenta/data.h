// The in-memory model of an ANSYS archive and every operation on it: the archive readers, the
// conversion to a plane model, the legacy input writer, and the operations of the stress
// mapping program.
#pragma once

#include <iostream>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "archive_pass.h"
#include "archive_release.h"
#include "bc.h"
#include "elem.h"
#include "elemset.h"
#include "inertia_loads.h"
#include "material.h"
#include "nodal_load.h"
#include "node.h"
#include "node_index.h"
#include "plane_shape.h"
#include "surface_loads.h"
#include "type_index.h"

class ColumnWriter;

// The two programs on this model read the archive summary with slightly different rules.
struct SummaryRules {
    const char* newerWarning;       // printed for releases 5.7 to 6.x
    bool defaultMaterialFigure;     // a "NUMOFF,MAT" figure that is not positive becomes 10
    bool reportsUntranslatedLoads;  // the loads that are not translated are counted aloud
};

extern const SummaryRules kAnszentaRules;
extern const SummaryRules kAnsmrpRules;

// The stop of an archive in which no node or no element was found.
extern const char* const kNoMeshMessage;
// The two lines for a set of plane stress elements with thickness whose thickness is not read.
extern const char* const kThicknessNotTranslated;

// Loads of the archive that are not translated, as the summary counts them; with -full the
// load assembly replaces the counts of what it translates.
struct UntranslatedLoads {
    int elementSurfaceLoads = 0;  // "SFE," lines and "SFEBLOCK" rows
    int otherSurfaceLoads = 0;    // "SF,", "SFL," and "SFA," lines
    int bodyLoads = 0;            // "BF,", "BFE,", "BFL," and "BFA," lines
    int accelerations = 0;        // "ACEL," lines with a nonzero value
    int rotations = 0;  // "OMEGA,", "CGOMGA,", "DOMEGA," and "CGLOC," lines with a nonzero value
};

class Data {
  public:
    explicit Data(std::ostream& console = std::cout, const SummaryRules& rules = kAnszentaRules);

    // Tables, in archive order. Each reader stops the run when its table would hold more
    // records than its capacity figure.
    std::vector<Node> nodes;
    std::vector<Elem> elems;
    std::vector<Material> mats;
    std::vector<BC> bcs;
    std::vector<ElemSet> elsets;

    // Capacity figures from the archive summary. Where a "NUMOFF" line is missing, the figure
    // is the number of records (distinct material numbers) that the summary counts.
    int maxNodes = 0;   // "NUMOFF,NODE": the highest node number
    int maxElems = 0;   // "NUMOFF,ELEM"
    int maxMats = 0;    // "NUMOFF,MAT" (anszenta: 10 when not positive)
    int maxBCs = 0;     // number of "D," and "F," lines
    int maxElSets = 0;  // number of "ET," lines and "ETBLOCK" rows

    int problem_type = 1;  // 0 axisymmetric, 1 plane stress, 2 plane strain

    // -full: thicknesses, pressures, gravity and spin are translated, and reals are written
    // in the shortest form that reads back as the same double.
    bool full = false;
    UntranslatedLoads untranslatedLoads;  // set by the summary
    // -full only: what the readers of real constants and loads find, and the thickness of
    // every element.
    std::unordered_map<int, double> realConstants;  // first value of each real constant set
    SurfaceLoads surfaceLoads;
    InertiaLoads inertiaLoads;
    std::vector<double> elemThickness;             // by element, in table order
    std::vector<bool> thicknessFromConstants;      // by element: the thickness is a real constant
    std::vector<PositionNodes> elemPositionNodes;  // by element: set by ConvertElements
    std::vector<NodalLoad> nodalLoads;             // by node, in table order

    LineForms lineForms;  // node and element line forms that the readers read (set by the summary)
    // Materials that an "MPDATA" line gives NUXY (set by the summary): for the others PRXY
    // is Poisson's ratio.
    std::unordered_set<int> materialsWithNuxy;

    int numNodes() const { return static_cast<int>(nodes.size()); }
    int numElems() const { return static_cast<int>(elems.size()); }
    int numMats() const { return static_cast<int>(mats.size()); }
    int numBCs() const { return static_cast<int>(bcs.size()); }
    int numElSets() const { return static_cast<int>(elsets.size()); }

    // The archive summary reads the stream from its current position to the end. It comes
    // first: it sizes the tables and chooses the node and element line forms.
    void readSummary(std::istream& cdbFile);

    // The other archive readers, which share one pass over the archive (readTogether). They
    // used to read it one after another in this order, and the pipeline releases their
    // messages and stops in it.
    std::unique_ptr<ArchiveReader> elSetReader();
    std::unique_ptr<ArchiveReader> nodeReader();
    std::unique_ptr<ArchiveReader> elementReader();
    std::unique_ptr<ArchiveReader> realConstantReader();  // -full only
    std::unique_ptr<ArchiveReader> materialReader();
    std::unique_ptr<ArchiveReader> boundaryConditionReader();
    std::unique_ptr<ArchiveReader> surfaceLoadReader();  // -full only
    std::unique_ptr<ArchiveReader> inertiaLoadReader();  // -full only

    // -full only: every element's thickness (after the element and real constant readers),
    // with the messages of the sets of plane stress elements with thickness.
    void AssignThickness();
    // -full only, after the element conversion: each material line gets the thickness of its
    // elements; a further thickness of one material gets a copy of its line, numbered after the
    // largest material number of the archive.
    void SplitMaterials();
    // -full only, after the problem type: the forces of F lines, pressures, gravity and spin
    // summed per node into `nodalLoads`, then the loads that are not translated reported.
    void AssembleLoads();

    // Conversion to the plane model, in this order.
    void ConvertElements();
    void ConvertFixity();
    void ConvertForces();
    void SetProblemType();
    int Valid2dElementType(int etype);

    // Stops the run when the archive gave no node or no element.
    void requireMesh() const;

    void writeData(std::ostream& outFile);

    // Stress mapping program: mesh conversion, stress listing, MRP file.
    void ConvertMRP();
    int Valid2dMRPType(int etype);
    void readStress(std::istream& strFile);
    // Stops the run when the listing gave no stress row (named by `listingName`); warns of
    // rows whose node is not in the archive.
    void requireStresses(const std::string& listingName);
    void writeMRP(std::ostream& outFile);

    // Table index of the first node with ANSYS number `id`, or -1.
    int nodeIndex(int id);

    // Where the messages of the run go.
    std::ostream& console() const { return console_; }

  private:
    friend class ElementSetReader;

    // Key option 3 of `set` becomes `value`; a set of plane stress elements with thickness
    // prints its thickness lines, or with -full waits for the thickness of its elements.
    void setKeyOption3(ElemSet& set, int value, std::ostream& console);

    // -full: the load section from `nodalLoads`.
    void writeNodalLoads(ColumnWriter& out);
    // Prints the counts of the loads that are not translated (those that are not 0).
    void reportUntranslatedLoads();
    // An element of a type that is not accepted: the warning, then a stop unless it has a node
    // count of the plane elements that the converter writes.
    void warnUnacceptedType(const Elem& elem, bool planeNodeCount);
    // Stops for an element of a type that is not accepted whose node (table index in `found`,
    // -1 for none) lies off the plane z = 0.
    void requireFlat(const Elem& elem, const int* found, int count);
    [[noreturn]] void stopNotPlane(const Elem& elem);

    std::ostream& console_;
    const SummaryRules& rules_;
    NodeIndex nodeIndex_;
    AcceptedTypeIndex planeTypes_;   // types that translate to plane elements
    AcceptedTypeIndex mrpTypes_;     // types the MRP file takes
    bool principalListing_ = false;  // the stress listing has a heading of principal stresses
    // -full: sets whose key option 3 was set to 3, in the order of the lines that set it; their
    // messages wait for the thickness of their elements.
    std::vector<int> thicknessSets_;
};
