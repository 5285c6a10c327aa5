#include "class_answers_dialog.h"

#include "class_report.h"
#include "file_safety.h"
#include "teacher_desk.h"
#include "tool_text.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

using tezomat_config::quoted;

namespace tezomat_teacher {

namespace {

QPushButton *button(const QString &objectName, const QString &text, const QString &tip)
{
    auto *b = new QPushButton(text);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    describe(b, QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("…")), tip);
    return b;
}

QString shown(const QString &path)
{
    return quoted(QDir::toNativeSeparators(path));
}

} // namespace

ClassAnswersDialog::ClassAnswersDialog(TeacherDesk &desk, const tezomat_config::LessonFacts &facts,
                                       QWidget *parent)
    : QDialog(parent)
    , m_desk(desk)
    , m_facts(facts)
{
    setObjectName(QStringLiteral("ClassAnswersDialog"));
    setWindowTitle(QStringLiteral("Отговори на класа — „%1“").arg(facts.topic));

    auto *controls = new QWidget;
    auto *left = new QVBoxLayout(controls);
    left->setContentsMargins(0, 0, 0, 0);
    auto *explanation = new QLabel(
        QStringLiteral("При изход урокът записва отговорите на ученика във файл в своята папка "
                       "(%1 или %2). Съберете папките от компютрите, по една за ученик, и ги "
                       "добавете тук.")
            .arg(tezomat_config::answersFileName(), tezomat_config::scrambledAnswersFileName()));
    explanation->setWordWrap(true);
    left->addWidget(explanation);

    auto *foldersLabel = new QLabel(QStringLiteral("&Папки на учениците:"));
    m_folders = new QListWidget;
    m_folders->setObjectName(QStringLiteral("folderList"));
    m_folders->setSelectionMode(QAbstractItemView::ExtendedSelection);
    describe(m_folders, QStringLiteral("Папки на учениците"),
             QStringLiteral("Всяка папка дава един ред на отчета. Delete маха избраните."));
    foldersLabel->setBuddy(m_folders);
    left->addWidget(foldersLabel);
    left->addWidget(m_folders, 1);
    m_folders->installEventFilter(this);

    auto *folderButtons = new QGridLayout;
    QPushButton *addOne =
        button(QStringLiteral("addFolderButton"), QStringLiteral("Добави п&апка…"),
               QStringLiteral("Добавя една папка с отговорите на един ученик."));
    QPushButton *addAll = button(QStringLiteral("addSubfoldersButton"),
                                 QStringLiteral("Добави подпапките &на папка…"),
                                 QStringLiteral("Добавя всяка подпапка на избраната папка, "
                                                "например папката на класа с по една папка "
                                                "за компютър."));
    QPushButton *remove = button(QStringLiteral("removeFolderButton"), QStringLiteral("&Махни"),
                                 QStringLiteral("Маха избраните папки от списъка (не и от "
                                                "диска)."));
    folderButtons->addWidget(addOne, 0, 0);
    folderButtons->addWidget(remove, 0, 1);
    folderButtons->addWidget(addAll, 1, 0, 1, 2);
    left->addLayout(folderButtons);
    connect(addOne, &QPushButton::clicked, this, &ClassAnswersDialog::chooseFolder);
    connect(addAll, &QPushButton::clicked, this, &ClassAnswersDialog::chooseSubfolders);
    connect(remove, &QPushButton::clicked, this, &ClassAnswersDialog::removeChosen);

    auto *targets = new QGridLayout;
    const auto target = [&](int row, const QString &label, const QString &name,
                            const QString &accessible, const QString &tip, const QString &title,
                            const QString &filter) {
        auto *caption = new QLabel(label);
        auto *field = new QLineEdit;
        field->setObjectName(name);
        describe(field, accessible, tip);
        caption->setBuddy(field);
        QPushButton *choose =
            button(name + QStringLiteral("Button"), QStringLiteral("Избери…"),
                   QStringLiteral("Избира къде да се запише: %1.").arg(accessible.toLower()));
        choose->setAccessibleName(QStringLiteral("Избери: %1").arg(accessible.toLower()));
        connect(choose, &QPushButton::clicked, this,
                [this, field, title, filter] { chooseTarget(field, title, filter); });
        targets->addWidget(caption, row, 0);
        targets->addWidget(field, row, 1);
        targets->addWidget(choose, row, 2);
        return field;
    };
    m_htmlPath =
        target(0, QStringLiteral("&Страница:"), QStringLiteral("htmlPath"),
               QStringLiteral("Страница за четене и печат"),
               QStringLiteral("Файлът .html, който всеки браузър показва и печата."),
               QStringLiteral("Запис на страницата"), QStringLiteral("Страница (*.html *.htm)"));
    m_csvPath = target(1, QStringLiteral("&Таблица:"), QStringLiteral("csvPath"),
                       QStringLiteral("Таблица за електронна таблица"),
                       QStringLiteral("Файлът .csv (UTF-8), който LibreOffice Calc и Excel "
                                      "отварят с кирилицата."),
                       QStringLiteral("Запис на таблицата"), QStringLiteral("Таблица (*.csv)"));
    left->addLayout(targets);

    QPushButton *make =
        button(QStringLiteral("makeReportButton"), QStringLiteral("Направи &отчета"),
               QStringLiteral("Чете файловете с отговори, записва страницата и "
                              "таблицата и показва страницата. Папките не се "
                              "променят."));
    make->setDefault(true);
    connect(make, &QPushButton::clicked, this, &ClassAnswersDialog::makeReport);
    left->addWidget(make);
    m_result = new QLabel;
    m_result->setObjectName(QStringLiteral("reportResult"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(m_result, QStringLiteral("Резултат"), QStringLiteral("Какво е записано последно."));
    left->addWidget(m_result);
    QPushButton *close = button(QStringLiteral("closeButton"), QStringLiteral("&Затвори"),
                                QStringLiteral("Затваря прозореца (Esc)."));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    left->addWidget(close, 0, Qt::AlignRight);

    m_view = new QTextBrowser;
    m_view->setObjectName(QStringLiteral("reportView"));
    m_view->setOpenLinks(false);
    describe(m_view, QStringLiteral("Отчет"),
             QStringLiteral("Страницата с отговорите, каквато е записана."));
    m_view->setPlaceholderText(QStringLiteral("Тук ще се покаже отчетът."));

    auto *splitter = new QSplitter;
    splitter->addWidget(controls);
    splitter->addWidget(m_view);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({340, 620});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    // Reading order: the folders, where the files go, then the report.
    const QList<QWidget *> order{
        m_folders,  addOne,
        remove,     addAll,
        m_htmlPath, findChild<QPushButton *>(QStringLiteral("htmlPathButton")),
        m_csvPath,  findChild<QPushButton *>(QStringLiteral("csvPathButton")),
        make,       close,
        m_view};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    resize(980, 680);
}

void ClassAnswersDialog::addFolder(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(path));
    if (!m_folders->findItems(native, Qt::MatchExactly).isEmpty())
        return;
    m_folders->addItem(native);
    if (m_htmlPath->text().isEmpty() && m_csvPath->text().isEmpty()) {
        // Beside the folders: in the class's folder that holds them.
        const QDir parent = QFileInfo(QDir::cleanPath(path)).dir();
        m_htmlPath->setText(
            QDir::toNativeSeparators(parent.filePath(tezomat_config::defaultHtmlName())));
        m_csvPath->setText(
            QDir::toNativeSeparators(parent.filePath(tezomat_config::defaultCsvName())));
    }
}

void ClassAnswersDialog::chooseFolder()
{
    const QString path =
        m_desk.folderName(this, QStringLiteral("Папка с отговорите на един ученик"), QString());
    if (!path.isEmpty())
        addFolder(path);
}

void ClassAnswersDialog::chooseSubfolders()
{
    const QString path =
        m_desk.folderName(this, QStringLiteral("Папка с по една подпапка за ученик"), QString());
    if (path.isEmpty())
        return;
    const QStringList names =
        QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::LocaleAware);
    if (names.isEmpty()) {
        m_desk.showMessage(
            teacherMessage(QStringLiteral("В папката %1 няма подпапки.").arg(shown(path))));
        return;
    }
    for (const QString &name : names)
        addFolder(QDir(path).filePath(name));
}

bool ClassAnswersDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_folders && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        removeChosen();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ClassAnswersDialog::removeChosen()
{
    qDeleteAll(m_folders->selectedItems());
}

void ClassAnswersDialog::chooseTarget(QLineEdit *field, const QString &title, const QString &filter)
{
    const QString path = m_desk.saveFileName(this, title, field->text(), filter);
    if (!path.isEmpty())
        field->setText(QDir::toNativeSeparators(path));
}

bool ClassAnswersDialog::makeReport()
{
    QStringList folders;
    for (int i = 0; i < m_folders->count(); ++i)
        folders << QDir::fromNativeSeparators(m_folders->item(i)->text());
    const QString htmlPath = QDir::fromNativeSeparators(m_htmlPath->text().trimmed());
    const QString csvPath = QDir::fromNativeSeparators(m_csvPath->text().trimmed());
    if (folders.isEmpty()) {
        m_desk.showMessage(
            teacherMessage(QStringLiteral("Добавете поне една папка с отговорите на ученик.")));
        return false;
    }
    if (htmlPath.isEmpty() || csvPath.isEmpty()) {
        m_desk.showMessage(
            teacherMessage(QStringLiteral("Посочете къде да се запишат страницата и таблицата.")));
        return false;
    }
    QStringList readPaths;
    const QList<tezomat_config::FolderFiles> found =
        tezomat_config::readFolders(folders, &readPaths);
    const tezomat_config::ReportTargets targets =
        tezomat_config::checkReportTargets(htmlPath, csvPath, readPaths);
    if (!targets.refusal.isEmpty()) {
        m_desk.showMessage(
            teacherMessage(targets.refusal + QStringLiteral(" Нищо не е записано.")));
        return false;
    }
    if (!targets.foreign.isEmpty() &&
        !m_desk.showMessage(teacherMessage(targets.foreign.join(QLatin1Char('\n')) +
                                               (targets.foreign.size() > 1
                                                    ? QStringLiteral("\n\nДа бъдат ли заменени "
                                                                     "все пак?")
                                                    : QStringLiteral("\n\nДа бъде ли заменен "
                                                                     "все пак?")),
                                           true)))
        return false;
    const tezomat_config::ClassReport report =
        tezomat_config::buildClassReport(found, m_facts.topic, m_facts.catalogueSize);
    const QByteArray page = tezomat_config::reportHtml(report);
    for (const auto &[path, bytes] :
         {std::pair{htmlPath, page}, std::pair{csvPath, tezomat_config::reportCsv(report)}}) {
        const QString failure = tezomat_config::saveWhole(path, bytes);
        if (!failure.isEmpty()) {
            m_desk.showMessage(teacherMessage(failure));
            return false;
        }
    }
    m_view->setHtml(QString::fromUtf8(page));
    int answered = 0;
    for (const tezomat_config::ReportRow &row : report.rows)
        answered += row.state == tezomat_config::RowState::Answered ? 1 : 0;
    m_result->setText(QStringLiteral("Записани са %1 и %2. Папки: %3, с отговори: %4.")
                          .arg(shown(htmlPath), shown(csvPath))
                          .arg(report.rows.size())
                          .arg(answered));
    return true;
}

} // namespace tezomat_teacher
