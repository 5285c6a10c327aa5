#include "teacher_desk.h"

#include "gui/qt_platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHash>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QScreen>
#include <QTranslator>
#include <QTreeView>
#include <QWidget>

namespace tezomat_teacher {

namespace {

// The columns of Qt's file list.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

QLocale bulgarian()
{
    return QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
}

// A file's size as Bulgarian file managers give it: in bytes below 1 КБ,
// then in КБ, МБ, ГБ, ТБ of 1024 with one decimal.
QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return bulgarian().toString(bytes) +
               (bytes == 1 ? QStringLiteral(" байт") : QStringLiteral(" байта"));
    const QStringList units{QStringLiteral("КБ"), QStringLiteral("МБ"), QStringLiteral("ГБ"),
                            QStringLiteral("ТБ")};
    double value = double(bytes) / 1024;
    int unit = 0;
    for (; value >= 1024 && unit + 1 < units.size(); ++unit)
        value /= 1024;
    return bulgarian().toString(value, 'f', 1) + QLatin1Char(' ') + units.at(unit);
}

// Qt's file dialog writes sizes and dates in the language of the system,
// whatever language the program speaks; here they are written in Bulgarian.
class BulgarianFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!files || role != Qt::DisplayRole ||
            (index.column() != kSizeColumn && index.column() != kDateColumn))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        if (index.column() == kDateColumn)
            return bulgarian().toString(files->lastModified(file), QLocale::ShortFormat);
        return files->isDir(file) ? QString() : sizeText(files->size(file));
    }
};

// The few texts of Qt's file dialog that Qt's Bulgarian catalogue lacks:
// the type names of folders, drives, links and unknown entries, and "Show "
// before a column's name in the header's menu (the catalogue drops its
// blank).
class FileDialogTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QByteArray, QString> texts{
            {"QAbstractFileIconProvider/Folder", QStringLiteral("Папка")},
            {"QAbstractFileIconProvider/Drive", QStringLiteral("Диск")},
            {"QAbstractFileIconProvider/Shortcut", QStringLiteral("Пряк път")},
            {"QAbstractFileIconProvider/Unknown", QStringLiteral("Неизвестен тип")},
            {"QFileDialog/Show ", QStringLiteral("Колона ")},
        };
        return texts.value(QByteArray(context) + '/' + source);
    }
};

// Qt's own dialog rather than the desktop's, which speaks the system's
// language; big enough that its columns show their Bulgarian texts whole.
QString chosenPath(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new BulgarianFileColumns(&dialog));
    QHeaderView *header = nullptr;
    if (auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    const int line = dialog.fontMetrics().height();
    dialog.resize(QSize(60 * line, 34 * line).boundedTo(dialog.screen()->availableSize()));
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (header) {
        // Qt keeps the header's state for every program's file dialogs.
        header->setSectionResizeMode(QHeaderView::Interactive);
        header->setStretchLastSection(true);
    }
    return chosen ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

void installFileDialogTexts()
{
    QCoreApplication::installTranslator(new FileDialogTexts(QCoreApplication::instance()));
}

bool QtTeacherDesk::showMessage(const lesson::MessageSpec &message)
{
    lesson::QtPlatform platform;
    return platform.showMessage(message);
}

QString QtTeacherDesk::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog);
}

QString QtTeacherDesk::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                    const QString &filter)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return chosenPath(dialog);
}

QString QtTeacherDesk::folderName(QWidget *parent, const QString &title, const QString &folder)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenPath(dialog);
}

lesson::MessageSpec teacherMessage(const QString &text, bool question)
{
    lesson::MessageSpec m;
    m.title = QStringLiteral("Настройка на урока");
    m.text = text;
    if (question) {
        m.buttons = lesson::MessageSpec::Buttons::YesNo;
        m.icon = lesson::MessageSpec::Icon::Question;
        m.defaultButton = lesson::MessageSpec::DefaultButton::No;
    } else {
        m.icon = lesson::MessageSpec::Icon::Warning;
    }
    return m;
}

void describe(QWidget *control, const QString &name, const QString &tip)
{
    control->setAccessibleName(name);
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

} // namespace tezomat_teacher
