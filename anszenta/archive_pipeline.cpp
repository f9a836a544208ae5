// The translation pipelines of anszenta and ansmrp.
#include "archive_pipeline.h"

void rewind(std::istream& in) {
    in.clear();
    in.seekg(0);
}

namespace {

using Reader = void (Data::*)(std::istream&);

// Runs each reader on the archive from its start.
template <size_t N>
void readEach(std::istream& archive, Data& dat, const Reader (&readers)[N]) {
    for (Reader reader : readers) {
        (dat.*reader)(archive);
        rewind(archive);
    }
}

}  // namespace

void translateArchive(std::istream& archive, std::ostream& legacy, Data& dat) {
    // The summary comes first: it sizes the tables and fixes the release that selects the
    // node and element line forms. The readers and conversions of -full run only with it.
    static const Reader kMesh[] = {&Data::readSummary, &Data::readElSets, &Data::readNodes,
                                   &Data::readElems};
    static const Reader kThickness[] = {&Data::readRealConstants};
    static const Reader kConditions[] = {&Data::readMats, &Data::readBCs};
    static const Reader kDistributedLoads[] = {&Data::readSurfaceLoads, &Data::readInertiaLoads};
    readEach(archive, dat, kMesh);
    if (dat.full) {
        readEach(archive, dat, kThickness);
        dat.AssignThickness();
    }
    readEach(archive, dat, kConditions);
    if (dat.full) readEach(archive, dat, kDistributedLoads);
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
    static const Reader kMesh[] = {&Data::readSummary, &Data::readElSets, &Data::readNodes,
                                   &Data::readElems};
    readEach(archive, dat, kMesh);
    dat.requireMesh();
    dat.ConvertMRP();
    dat.readStress(listing);
    dat.requireStresses(listingName);
    dat.writeMRP(mrp);
}
