// The translation pipelines of anszenta and ansmrp.
#include "archive_pipeline.h"

#include <initializer_list>
#include <memory>
#include <vector>

#include "archive_pass.h"

void rewind(std::istream& in) {
    in.clear();
    in.seekg(0);
}

namespace {

using ReaderPointer = std::unique_ptr<ArchiveReader>;

// The readers that are there, in the order given.
std::vector<ArchiveReader*> present(std::initializer_list<const ReaderPointer*> readers) {
    std::vector<ArchiveReader*> list;
    for (const ReaderPointer* reader : readers)
        if (*reader) list.push_back(reader->get());
    return list;
}

void releaseEach(const std::vector<ArchiveReader*>& readers, std::ostream& console) {
    for (ArchiveReader* reader : readers) reader->release(console);
}

// The summary in a pass of its own: it sizes the tables and fixes the release that selects the
// node and element line forms that the other readers read. Leaves the archive at its start.
void readSummary(std::istream& archive, Data& dat) {
    dat.readSummary(archive);
    rewind(archive);
}

}  // namespace

void translateArchive(std::istream& archive, std::ostream& legacy, Data& dat) {
    readSummary(archive, dat);
    // Every other reader in one pass. They used to read the archive one after another in this
    // order, with the thickness of -full assigned after the real constants; their messages and
    // stops still come out so. The readers and conversions of -full run only with it.
    const ReaderPointer elSets = dat.elSetReader(), nodes = dat.nodeReader(),
                        elems = dat.elementReader(), mats = dat.materialReader(),
                        bcs = dat.boundaryConditionReader();
    const ReaderPointer realConstants = dat.full ? dat.realConstantReader() : nullptr,
                        surfaceLoads = dat.full ? dat.surfaceLoadReader() : nullptr,
                        inertiaLoads = dat.full ? dat.inertiaLoadReader() : nullptr;
    const std::vector<ArchiveReader*> untilThickness =
        present({&elSets, &nodes, &elems, &realConstants});
    const std::vector<ArchiveReader*> afterThickness =
        present({&mats, &bcs, &surfaceLoads, &inertiaLoads});
    std::vector<ArchiveReader*> all = untilThickness;
    all.insert(all.end(), afterThickness.begin(), afterThickness.end());
    readTogether(archive, all);
    releaseEach(untilThickness, dat.console());
    if (dat.full) dat.AssignThickness();
    releaseEach(afterThickness, dat.console());

    dat.requireMesh();
    dat.ConvertElements();
    dat.ConvertFixity();
    if (!dat.full) dat.ConvertForces();  // -full sums the forces per node instead
    dat.SetProblemType();
    if (dat.full) {
        dat.SplitMaterials();
        dat.AssembleLoads();
    }
    dat.writeData(legacy);
}

void translateForMapping(std::istream& archive, std::istream& listing,
                         const std::string& listingName, std::ostream& mrp, Data& dat) {
    // Only the mesh is read: no materials and no boundary conditions.
    readSummary(archive, dat);
    const ReaderPointer elSets = dat.elSetReader(), nodes = dat.nodeReader(),
                        elems = dat.elementReader();
    const std::vector<ArchiveReader*> mesh = present({&elSets, &nodes, &elems});
    readTogether(archive, mesh);
    releaseEach(mesh, dat.console());
    dat.requireMesh();
    dat.ConvertMRP();
    dat.readStress(listing);
    dat.requireStresses(listingName);
    dat.writeMRP(mrp);
}
