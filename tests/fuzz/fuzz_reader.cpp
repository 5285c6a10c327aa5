// libFuzzer entry for the reader named FUZZ_READER in fuzz::readers().
#include "fuzz_targets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const auto read = lesson::fuzz::readers().at(QStringLiteral(FUZZ_READER));
    read(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
