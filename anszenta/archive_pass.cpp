// A single pass over the archive for several readers.
#include "archive_pass.h"

void ArchiveReader::release(std::ostream& console) {
    console << messages_.str();
    if (stop_) throw *stop_;
}

void readTogether(std::istream& in, const std::vector<ArchiveReader*>& readers) {
    size_t reading = readers.size();  // the readers before the first that has stopped
    // Runs one step of reader k; a stop ends its reading and that of the readers after it.
    auto step = [&](size_t k, auto action) {
        try {
            action(*readers[k]);
        } catch (const FatalError& stop) {
            readers[k]->stop_ = stop;
            reading = k;
        }
    };
    LineReader lines(in);
    std::string piece;
    while (reading > 0 && lines.next(piece))
        for (size_t k = 0; k < reading; ++k)
            step(k, [&piece](ArchiveReader& reader) { reader.take(piece); });
    for (size_t k = 0; k < reading; ++k) step(k, [](ArchiveReader& reader) { reader.finish(); });
}

void readAlone(std::istream& in, ArchiveReader& reader, std::ostream& console) {
    readTogether(in, {&reader});
    reader.release(console);
}
