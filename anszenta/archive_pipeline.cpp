// The translation pipelines of anszenta and ansmrp.
#include "archive_pipeline.h"

void rewind(std::istream& in) {
    in.clear();
    in.seekg(0);
}

void translateArchive(std::istream& archive, std::ostream& legacy, Data& dat) {
    using Reader = void (Data::*)(std::istream&);
    // The summary comes first: it sizes the tables and fixes the release that selects the
    // node and element line forms.
    static const Reader kReaders[] = {&Data::readSummary, &Data::readElSets, &Data::readNodes,
                                      &Data::readElems,   &Data::readMats,   &Data::readBCs};
    for (Reader reader : kReaders) {
        (dat.*reader)(archive);
        rewind(archive);
    }
    dat.requireMesh();
    dat.ConvertElements();
    dat.ConvertFixity();
    dat.ConvertForces();
    dat.SetProblemType();
    dat.writeData(legacy);
}

void translateForMapping(std::istream& archive, std::istream& listing,
                         const std::string& listingName, std::ostream& mrp, Data& dat) {
    using Reader = void (Data::*)(std::istream&);
    // Only the mesh is read: no materials and no boundary conditions.
    static const Reader kReaders[] = {&Data::readSummary, &Data::readElSets, &Data::readNodes,
                                      &Data::readElems};
    for (Reader reader : kReaders) {
        (dat.*reader)(archive);
        rewind(archive);
    }
    dat.requireMesh();
    dat.ConvertMRP();
    dat.readStress(listing);
    dat.requireStresses(listingName);
    dat.writeMRP(mrp);
}
