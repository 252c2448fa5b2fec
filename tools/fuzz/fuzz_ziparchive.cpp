// The ZIP reader on any bytes: no read outside the buffer, and no entry inflated past its limit.
#include "fuzzsupport.h"

#include "services/ziparchivereader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initializeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ZipArchiveReader reader(FuzzSupport::bytes(data, size));
    FuzzSupport::check(reader.isValid() == (reader.error() == ZipArchiveReader::Error::None));
    for (qsizetype i = 0; i < reader.entries().size(); ++i) {
        if (const std::optional<QByteArray> entry = reader.data(i))
            FuzzSupport::check(entry->size() <= ZipArchiveReader::maxEntrySize);
    }
    reader.data(QStringLiteral("manifest.json"));
    return 0;
}
