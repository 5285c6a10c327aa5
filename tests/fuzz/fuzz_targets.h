#pragma once

// What the fuzzers feed to the lesson's readers, one function per reader.
// Each also checks a property that must hold for every input it accepts and
// aborts when it does not, so that the fuzzer reports it. The ordinary test
// suite replays every kept input through the same functions.

#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/content/code_page.h"
#include "core/content/lesson_loader.h"
#include "core/tasks/text_scrambling.h"
#include "support/lesson_content.h"
#include "tool_text.h"

#include <QByteArray>

#include <cstdlib>
#include <map>

namespace lesson::fuzz {

inline void require(bool holds)
{
    if (!holds)
        std::abort();
}

// The lesson's configuration file: read as the lesson reads it, and applied
// to the lesson's own content when accepted.
inline void configurationFile(const QByteArray &bytes)
{
    if (const std::optional<ConfigFile> records = parseConfigurationRecords(bytes))
        require(formatConfiguration(*records) == bytes);
    const ConfigReadResult read = readConfiguration(bytes, QStringLiteral("TAVN7"));
    require(read.file.has_value() == (read.messageCode == 0));
    if (!read.file)
        return;
    ContentStore store = test::lessonContent();
    ItemList flags;
    ItemList flagCopy;
    applyConfiguration(*read.file, store, flags, flagCopy);
    require(flagCopy.count() == 41);
}

// The teacher's tool's source: whatever it accepts it can write, and the
// written file reads back as the same records.
inline void configurationSource(const QByteArray &bytes)
{
    QString fault;
    const std::optional<QString> text = tezomat_config::decodeUtf8(bytes, &fault);
    require(text.has_value() == fault.isEmpty());
    if (!text)
        return;
    // Whatever is accepted is exactly the UTF-8 it was read from.
    require(text->toUtf8() == (bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes));
    const tezomat_config::SourceResult parsed = tezomat_config::parseConfigSource(*text);
    require(parsed.file.has_value() == parsed.error.isEmpty());
    if (!parsed.file)
        return;
    const QByteArray written = formatConfiguration(*parsed.file);
    require(written.size() == kConfigFileSize);
    require(parseConfigurationRecords(written) == parsed.file);
    tezomat_config::describeConfiguration(*parsed.file);
}

// The lesson's resources: the input up to its first zero byte is lesson.json,
// the rest is the content of every file it names (texts and pictures).
inline void lessonResources(const QByteArray &bytes)
{
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray json = split < 0 ? bytes : bytes.left(split);
    const QByteArray files = split < 0 ? QByteArray() : bytes.mid(split + 1);
    const LessonFileReader reader = [&](const QString &relative) -> std::optional<QByteArray> {
        return relative == QLatin1String("lesson.json") ? json : files;
    };
    const LoadResult loaded = loadLessonStore(reader);
    require(loaded.store.has_value() == loaded.error.isEmpty());
    const QSize size = pixelSizeOfJpeg(files);
    require(!size.isValid() || (size.width() > 0 && size.height() > 0));

    // Looked up only, the lesson is refused for no more than a whole reading
    // finds, and every text and picture still reads where it is shown, alike
    // where the whole reading took them.
    const LoadResult looked = loadLessonStore(reader, ContentCheck::Lookup);
    require(looked.store.has_value() == looked.error.isEmpty());
    require(!loaded.store || looked.store);
    if (!looked.store)
        return;
    const auto compare = [&](const auto &lookedTexts, const auto *wholeTexts) {
        for (std::size_t k = 0; k < lookedTexts.size(); ++k) {
            const QString text = lookedTexts[k].text();
            require(lookedTexts[k].isEmpty() == text.isEmpty());
            require(lookedTexts[k].size() == text.size());
            require(!wholeTexts || (*wholeTexts)[k].text() == text);
        }
    };
    const ContentStore *whole = loaded.store ? &*loaded.store : nullptr;
    const ContentStore &l = *looked.store;
    compare(l.Podtochki, whole ? &whole->Podtochki : nullptr);
    compare(l.Dopyln_M, whole ? &whole->Dopyln_M : nullptr);
    compare(l.Glos, whole ? &whole->Glos : nullptr);
    compare(l.Reklama_Par, whole ? &whole->Reklama_Par : nullptr);
    for (std::size_t k = 0; k < l.Grafika_G.size(); ++k)
        require(!whole || l.Grafika_G[k].pixelSize() == whole->Grafika_G[k].pixelSize());
}

// Unscrambling a stored task line: scrambling the result again with the
// discarded leading character gives the stored line back.
inline void unscrambling(const QByteArray &bytes)
{
    const QString stored = fromWindows1251(bytes);
    const QString plain = unscrambleText(stored);
    require(plain.size() == std::max<qsizetype>(0, stored.size() - 1));
    if (!stored.isEmpty())
        require(scrambleText(plain, stored.at(0)) == stored);
}

// Every reader by the name of its folder of kept inputs, tests/data/fuzz/<name>.
inline const std::map<QString, void (*)(const QByteArray &)> &readers()
{
    static const std::map<QString, void (*)(const QByteArray &)> all{
        {QStringLiteral("configuration_file"), configurationFile},
        {QStringLiteral("configuration_source"), configurationSource},
        {QStringLiteral("lesson_resources"), lessonResources},
        {QStringLiteral("unscrambling"), unscrambling}};
    return all;
}

} // namespace lesson::fuzz
