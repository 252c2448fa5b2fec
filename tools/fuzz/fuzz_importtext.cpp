// Text decoding of import files: any bytes give some text, and well-formed UTF-8 is read as such.
#include "fuzzsupport.h"

#include "services/importtext.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initializeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzSupport::bytes(data, size);
    const QString text = decodeImportText(bytes);
    if (isWellFormedUtf8(bytes) && !bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE") &&
        !bytes.startsWith("\xFE\xFF"))
        FuzzSupport::check(text.toUtf8() == bytes);
    return 0;
}
