#include "core/content/lesson_loader.h"

#include "core/content/utf8_text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QResource>

namespace lesson {

namespace {

// The names in a compiled-in folder, which QResource keeps to itself.
class CompiledInFolder : public QResource {
public:
    using QResource::children;
    using QResource::QResource;
};

class Loader {
public:
    Loader(const LessonFileReader &reader, ContentCheck check)
        : m_reader(reader)
        , m_check(check)
    {
    }
    // The lesson's files lie among the program's compiled-in files under
    // root: with a lookup only, its text and picture files are named there
    // instead of read.
    void readInPlace(const QString &root) { m_compiledInRoot = root; }

    LoadResult run();

private:
    bool failText(TextFault fault, const QString &relative);
    bool fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
        return false;
    }
    bool checkName(const QString &relative);
    bool readFile(const QString &relative, QByteArray &bytes);
    bool readUtf8File(const QString &relative, LineEnds ends, QString &text);
    bool lookUpFile(const QString &relative, FileBytes &file);
    bool loadSection(const QJsonObject &doc, const QString &section, ElementKind kind);
    bool loadElement(ElementKind kind, const QString &name, int index, const QJsonValue &value);

    const LessonFileReader &m_reader;
    const ContentCheck m_check;
    QString m_compiledInRoot;
    QHash<QString, QStringList> m_folderFiles; // compiled-in folder -> its entries
    QString m_error;
    ContentStore m_store;
};

QString withCrLf(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

bool Loader::checkName(const QString &relative)
{
    if (relative.isEmpty() || relative.contains(QLatin1String("..")))
        return fail(QStringLiteral("неправилно име на файл \"%1\"").arg(relative));
    return true;
}

bool Loader::readFile(const QString &relative, QByteArray &bytes)
{
    if (!checkName(relative))
        return false;
    std::optional<QByteArray> read = m_reader(relative);
    if (!read)
        return fail(QStringLiteral("липсва файлът \"%1\"").arg(relative));
    bytes = std::move(*read);
    return true;
}

bool Loader::lookUpFile(const QString &relative, FileBytes &file)
{
    if (m_check == ContentCheck::Whole || m_compiledInRoot.isEmpty()) {
        QByteArray bytes;
        if (!readFile(relative, bytes))
            return false;
        file = FileBytes::held(bytes);
        return true;
    }
    if (!checkName(relative))
        return false;
    // A folder's list of entries comes from the names alone; a file's own
    // resource would read its size from the bytes.
    const QString path = m_compiledInRoot + QLatin1Char('/') + relative;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash);
    auto entries = m_folderFiles.find(folder);
    if (entries == m_folderFiles.end())
        entries = m_folderFiles.insert(folder, CompiledInFolder(folder).children());
    if (!entries->contains(path.mid(slash + 1)))
        return fail(QStringLiteral("липсва файлът \"%1\"").arg(relative));
    file = FileBytes::compiledIn(path);
    return true;
}

bool Loader::readUtf8File(const QString &relative, LineEnds ends, QString &text)
{
    QByteArray bytes;
    if (!readFile(relative, bytes))
        return false;
    return failText(decodeUtf8Text(bytes, ends, text), relative);
}

bool Loader::failText(TextFault fault, const QString &relative)
{
    switch (fault) {
    case TextFault::None:
        return true;
    case TextFault::NotUtf8:
        return fail(QStringLiteral("файлът \"%1\" не е в UTF-8").arg(relative));
    case TextFault::HasCr:
        return fail(QStringLiteral("файлът \"%1\" съдържа CR; редовете трябва да завършват с LF")
                        .arg(relative));
    }
    return false;
}

bool Loader::loadElement(ElementKind kind, const QString &name, int index, const QJsonValue &value)
{
    const QString where = QStringLiteral("%1(%2)").arg(name).arg(index);
    QString file;
    if (value.isObject()) {
        const QJsonObject o = value.toObject();
        if (o.size() != 1 || !o.value(QLatin1String("file")).isString())
            return fail(where + QStringLiteral(": очаква се {\"file\": \"...\"}"));
        file = o.value(QLatin1String("file")).toString();
    }
    switch (kind) {
    case ElementKind::List: {
        ItemList *list = listElement(m_store, name, index);
        if (!list)
            return fail(QStringLiteral("няма списък %1 в урока").arg(where));
        QStringList items;
        if (!file.isEmpty()) {
            QString text;
            if (!readUtf8File(file, LineEnds::Lf, text))
                return false;
            if (text.endsWith(QLatin1Char('\n')))
                text.chop(1);
            items = text.split(QLatin1Char('\n'));
        } else if (value.isArray()) {
            for (const QJsonValue &item : value.toArray()) {
                if (!item.isString())
                    return fail(where + QStringLiteral(": всеки елемент трябва да е текст"));
                items.append(item.toString());
            }
        } else {
            return fail(where + QStringLiteral(": очаква се масив от текстове или файл"));
        }
        for (const QString &item : items) {
            if (item.contains(QLatin1Char('\n')) || item.contains(QLatin1Char('\r')))
                return fail(where + QStringLiteral(": елемент на списък не може да има нов ред"));
        }
        *list = ItemList(items);
        return true;
    }
    case ElementKind::Text: {
        StoredText *text = textElement(m_store, name, index);
        if (!text)
            return fail(QStringLiteral("няма текст %1 в урока").arg(where));
        if (!file.isEmpty()) {
            FileBytes bytes;
            if (!lookUpFile(file, bytes))
                return false;
            *text = StoredText::fromUtf8File(bytes);
            return m_check == ContentCheck::Lookup || failText(text->check(), file);
        }
        if (!value.isString())
            return fail(where + QStringLiteral(": очаква се текст или файл"));
        const QString content = value.toString();
        if (content.contains(QLatin1Char('\r')))
            return fail(where + QStringLiteral(": текстът съдържа CR"));
        *text = withCrLf(content);
        return true;
    }
    case ElementKind::Picture: {
        PictureSlot *slot = pictureElement(m_store, name, index);
        if (!slot)
            return fail(QStringLiteral("няма картина %1 в урока").arg(where));
        if (file.isEmpty())
            return fail(where + QStringLiteral(": очаква се {\"file\": \"...\"}"));
        FileBytes bytes;
        if (!lookUpFile(file, bytes))
            return false;
        *slot = PictureSlot::fromFile(bytes);
        if (m_check == ContentCheck::Whole && slot->pixelSize().isEmpty())
            return fail(QStringLiteral("файлът \"%1\" не е картина JPEG").arg(file));
        return true;
    }
    }
    return false;
}

bool Loader::loadSection(const QJsonObject &doc, const QString &section, ElementKind kind)
{
    const QJsonValue sectionValue = doc.value(section);
    if (!sectionValue.isObject())
        return fail(QStringLiteral("lesson.json: липсва разделът \"%1\"").arg(section));
    const QJsonObject elements = sectionValue.toObject();
    for (auto e = elements.begin(); e != elements.end(); ++e) {
        if (!e.value().isObject())
            return fail(QStringLiteral("%1: очаква се обект с индекси").arg(e.key()));
        const QJsonObject byIndex = e.value().toObject();
        for (auto i = byIndex.begin(); i != byIndex.end(); ++i) {
            bool ok = false;
            const int index = i.key().toInt(&ok);
            if (!ok)
                return fail(QStringLiteral("%1: \"%2\" не е индекс").arg(e.key(), i.key()));
            if (!loadElement(kind, e.key(), index, i.value()))
                return false;
        }
    }
    return true;
}

LoadResult Loader::run()
{
    QByteArray json;
    LoadResult result;
    if (!readFile(QStringLiteral("lesson.json"), json)) {
        result.error = m_error;
        return result;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        result.error = QStringLiteral("lesson.json: %1 (байт %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset);
        return result;
    }
    const QJsonObject root = doc.object();
    for (auto k = root.begin(); k != root.end(); ++k) {
        if (k.key() != QLatin1String("lists") && k.key() != QLatin1String("texts") &&
            k.key() != QLatin1String("pictures")) {
            result.error = QStringLiteral("lesson.json: непознат раздел \"%1\"").arg(k.key());
            return result;
        }
    }
    if (loadSection(root, QStringLiteral("lists"), ElementKind::List) &&
        loadSection(root, QStringLiteral("texts"), ElementKind::Text) &&
        loadSection(root, QStringLiteral("pictures"), ElementKind::Picture)) {
        result.store = std::move(m_store);
    } else {
        result.error = m_error;
    }
    return result;
}

} // namespace

LoadResult loadLessonStore(const QString &root, ContentCheck check)
{
    const LessonFileReader reader = [&root](const QString &relative) -> std::optional<QByteArray> {
        const QString path = root + QLatin1Char('/') + relative;
        // The lesson compiled into the program is read where it lies: its
        // files are stored uncompressed, so their bytes are the program's
        // own and are neither unpacked nor copied.
        if (path.startsWith(QLatin1Char(':'))) {
            const QResource resource(path);
            if (!resource.isValid() || !resource.data()) // none, or a folder
                return std::nullopt;
            return resource.uncompressedData();
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    };
    Loader loader(reader, check);
    if (root.startsWith(QLatin1Char(':')))
        loader.readInPlace(root);
    return loader.run();
}

LoadResult loadLessonStore(const LessonFileReader &reader, ContentCheck check)
{
    return Loader(reader, check).run();
}

} // namespace lesson
