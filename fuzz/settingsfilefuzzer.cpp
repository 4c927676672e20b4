// The settings file: the INI reader on any bytes, the program's read of every key, and the
// shutdown's write pass followed by the next start's read.
//
// The first bytes of the input are the values the shutdown stores, the rest is the file as
// found. Properties: a document read and written untouched is the same bytes; every value
// the shutdown stores reads back as stored (a path or language word loses its line breaks,
// which would split the file's line); the keys set up by hand read as before the write.

#include "fuzzcheck.h"

#include "app/inifile.h"
#include "app/settings.h"
#include "platform/windows1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray storable(QByteArray bytes) {
    return bytes.replace('\r', QByteArray()).replace('\n', QByteArray());
}

QByteArray stored(const QString& text) {
    return storable(Windows1252::fromUnicode(text));
}

// In memory where the system has such a folder: a save syncs the file to disk, which on a
// disk would make every run wait for it.
QString folder() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/lumentafel-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/lumentafel-fuzz-XXXXXX"));
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    Settings values;
    values.follow = provider.ConsumeBool();
    const std::string lastFile = provider.ConsumeRandomLengthString(64);
    const std::string language = provider.ConsumeRandomLengthString(8);
    values.lastFile = Windows1252::toUnicode(QByteArray(lastFile.data(), int(lastFile.size())));
    values.languageCode = Windows1252::toUnicode(QByteArray(language.data(), int(language.size())));
    for (int* value :
         {&values.windowLeft, &values.windowTop, &values.windowWidth, &values.windowHeight,
          &values.editHeight, &values.copyboardLeft, &values.copyboardTop, &values.copyboardHeight,
          &values.supervisionLeft, &values.supervisionTop, &values.portNumber})
        *value = provider.ConsumeIntegral<int>();
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QByteArray found(rest.data(), static_cast<int>(rest.size()));

    FUZZ_CHECK(IniFile::fromBytes(found).toBytes() == found);

    const QString path = folder() + QStringLiteral("/RPW.ini");
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(found) == found.size());
    }
    const SettingsFile settingsFile(path);
    const Settings before = settingsFile.read(folder());

    FUZZ_CHECK(settingsFile.writeShutdownKeys(values));
    FUZZ_CHECK(settingsFile.writePortNumber(values.portNumber));
    const Settings after = settingsFile.read(folder());

    FUZZ_CHECK(after.follow == values.follow);
    FUZZ_CHECK(stored(after.lastFile) == stored(values.lastFile));
    FUZZ_CHECK(stored(after.languageCode) == stored(values.languageCode));
    FUZZ_CHECK(after.windowLeft == values.windowLeft);
    FUZZ_CHECK(after.windowTop == values.windowTop);
    FUZZ_CHECK(after.windowWidth == values.windowWidth);
    FUZZ_CHECK(after.windowHeight == values.windowHeight);
    FUZZ_CHECK(after.editHeight == values.editHeight);
    FUZZ_CHECK(after.copyboardLeft == values.copyboardLeft);
    FUZZ_CHECK(after.copyboardTop == values.copyboardTop);
    FUZZ_CHECK(after.copyboardHeight == values.copyboardHeight);
    FUZZ_CHECK(after.supervisionLeft == values.supervisionLeft);
    FUZZ_CHECK(after.supervisionTop == values.supervisionTop);
    FUZZ_CHECK(after.portNumber == values.portNumber);

    FUZZ_CHECK(after.lines == before.lines);
    FUZZ_CHECK(after.columns == before.columns);
    FUZZ_CHECK(after.lowerCase == before.lowerCase);
    FUZZ_CHECK(after.offline == before.offline);
    FUZZ_CHECK(after.offlineRate == before.offlineRate);
    FUZZ_CHECK(after.trace == before.trace);
    return 0;
}
