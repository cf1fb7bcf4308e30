#include "Help.h"

#include "ChmArchive.h"
#include "MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace ampero {

namespace {

QString g_helpFile;

const QString kScheme = QStringLiteral("chm");

// The compiler keeps context-number targets as absolute build paths, so each context number
// has a topic file of its own name instead.
QString contextTopic(int context) { return QStringLiteral("/ctx/%1.html").arg(context); }

QUrl topicUrl(const QString& path)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(path.startsWith(u'/') ? path : u'/' + path);
    return url;
}

QString plainText(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

// Deeper contents would not be read by anyone, and a tree nested thousands of levels deep
// overflows the stack when the tree lays itself out.
constexpr int kMaxContentsDepth = 32;
// Qt lays out nested tables in time that grows steeply with their depth: twenty take
// seconds to minutes. No topic needs more than a few.
constexpr int kMaxTableNesting = 4;

// The topic with tables nested deeper than kMaxTableNesting flattened: their own tags go,
// their contents stay in the table around them.
QString withTablesFlattened(const QString& html)
{
    static const QRegularExpression tableTag(QStringLiteral(R"re(<\s*(/?)\s*table\b[^>]*>)re"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype copied = 0;
    int depth = 0;
    for (auto it = tableTag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const bool kept = closing ? depth <= kMaxTableNesting : depth < kMaxTableNesting;
        depth = std::max(0, depth + (closing ? -1 : 1));
        if (kept)
            continue;
        result += QStringView(html).mid(copied, match.capturedStart() - copied);
        copied = match.capturedEnd();
    }
    if (copied == 0)
        return html;
    result += QStringView(html).mid(copied);
    return result;
}

// One entry of a contents or index file: an OBJECT of type text/sitemap inside nested lists.
struct SitemapEntry {
    QString name;
    QString local;
    int depth = 0;
};

QList<SitemapEntry> parseSitemap(const QString& text)
{
    static const QRegularExpression tag(
        QStringLiteral(R"re(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)re"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(QStringLiteral(R"re((\w+)\s*=\s*"([^"]*)")re"));
    QList<SitemapEntry> entries;
    int depth = 0;
    bool inObject = false;
    SitemapEntry entry;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString kind = match.captured(2).toLower();
        if (kind == u"ul") {
            depth = std::max(0, depth + (closing ? -1 : 1));
        } else if (kind == u"object") {
            if (!closing) {
                inObject = true;
                entry = {QString(), QString(), std::max(0, depth - 1)};
            } else if (inObject) {
                inObject = false;
                if (!entry.name.isEmpty())
                    entries.append(entry);
            }
        } else if (inObject && !closing) {
            QString name, value;
            for (auto a = attribute.globalMatch(match.captured(3)); a.hasNext();) {
                const auto pair = a.next();
                if (pair.captured(1).compare(u"name", Qt::CaseInsensitive) == 0)
                    name = pair.captured(2);
                else if (pair.captured(1).compare(u"value", Qt::CaseInsensitive) == 0)
                    value = plainText(pair.captured(2));
            }
            if (name.compare(u"Name", Qt::CaseInsensitive) == 0 && entry.name.isEmpty())
                entry.name = value;
            else if (name.compare(u"Local", Qt::CaseInsensitive) == 0 && entry.local.isEmpty() &&
                     !value.isEmpty())
                entry.local = value.startsWith(u'/') ? value : u'/' + value;
        }
    }
    return entries;
}

// The text browser shows the topics straight out of the archive.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const ChmArchive& archive, QWidget* parent)
        : QTextBrowser(parent)
        , m_archive(archive)
    {
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.scheme() != kScheme)
            return {};
        const QByteArray bytes = m_archive.read(name.path());
        if (bytes.isEmpty())
            return {};
        if (type == QTextDocument::ImageResource)
            return QImage::fromData(bytes);
        return withTablesFlattened(QString::fromUtf8(bytes));
    }

private:
    const ChmArchive& m_archive;
};

// Styles of the topics, taken from the palette so that light and dark desktops both read well.
QString topicStyleSheet(const QPalette& palette)
{
    const QString text = palette.color(QPalette::Text).name();
    const QString box = palette.color(QPalette::AlternateBase).name();
    const QString mid = palette.color(QPalette::Mid).name();
    const QString link = palette.color(QPalette::Link).name();
    return QStringLiteral(
               "body { color: %1; }"
               "h1 { font-size: x-large; margin-bottom: 8px; }"
               "h2 { font-size: large; margin-top: 14px; margin-bottom: 4px; }"
               "a { color: %4; }"
               "p.formel, div.formel { background-color: %2; color: %1; margin-left: 16px;"
               " font-family: 'DejaVu Serif', serif; line-height: 165%; margin-top: 6px;"
               " margin-bottom: 6px; }"
               "p.beispiel, div.beispiel { background-color: %2; color: %1; margin-left: 16px;"
               " line-height: 140%; margin-top: 6px; margin-bottom: 6px; }"
               "p.meldung { margin-left: 16px; font-style: italic; }"
               "table.felder { border-collapse: collapse; border-color: %3; }"
               "th { text-align: left; background-color: %2; color: %1; }"
               "td, th { border-width: 1px; border-style: solid; border-color: %3; }")
        .arg(text, box, mid, link);
}

// A text as the search compares it: case folded, and "ß" as "ss", so that
// "Rückflußdämpfung" and "RÜCKFLUSSDÄMPFUNG" find the same topics.
QString searchFolded(const QString& text)
{
    QString folded = text.toCaseFolded();
    folded.replace(QChar(0x00DF), QStringLiteral("ss")); // ß
    folded.replace(QChar(0x1E9E), QStringLiteral("ss")); // capital ẞ, in case folding missed it
    return folded;
}

struct Topic {
    QString path;
    QString title; // as shown
    QString text;  // plain text with the title, folded for the search
};

class HelpWindow : public QWidget {
public:
    HelpWindow()
        : QWidget(nullptr, Qt::Window)
    {
        setObjectName(QStringLiteral("Hilfe"));
        setWindowTitle(QStringLiteral("Ampero Hilfe"));
        setAttribute(Qt::WA_QuitOnClose, false);

        auto* tools = new QToolBar(this);
        tools->setObjectName(QStringLiteral("Hilfe_Werkzeuge"));
        tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        m_back =
            tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Zurück"));
        m_back->setObjectName(QStringLiteral("Hilfe_A_Zurueck"));
        m_back->setShortcut(QKeySequence::Back);
        m_forward =
            tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Vor"));
        m_forward->setObjectName(QStringLiteral("Hilfe_A_Vor"));
        m_forward->setShortcut(QKeySequence::Forward);
        QAction* home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                         QStringLiteral("Startseite"));
        home->setObjectName(QStringLiteral("Hilfe_A_Start"));

        m_browser = new HelpBrowser(m_archive, this);
        m_browser->setObjectName(QStringLiteral("Hilfe_Text"));
        m_browser->setOpenLinks(true);
        m_browser->setOpenExternalLinks(false);
        m_browser->document()->setDefaultStyleSheet(topicStyleSheet(palette()));
        m_browser->document()->setDocumentMargin(12);

        auto* side = new QTabWidget(this);
        side->setObjectName(QStringLiteral("Hilfe_PageControl"));
        side->addTab(buildContents(), QStringLiteral("Inhalt"));
        side->addTab(buildIndex(), QStringLiteral("Index"));
        side->addTab(buildSearch(), QStringLiteral("Suchen"));

        auto* splitter = new QSplitter(this);
        splitter->addWidget(side);
        splitter->addWidget(m_browser);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({320, 700});

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(tools);
        layout->addWidget(splitter);

        m_back->setEnabled(false);
        m_forward->setEnabled(false);
        connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
        connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
        connect(home, &QAction::triggered, this, [this] { showPath(m_archive.defaultTopic()); });
        connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
        connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
        connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::topicShown);
        auto* escape = new QShortcut(QKeySequence::Cancel, this);
        connect(escape, &QShortcut::activated, this, &QWidget::close);
        resize(1040, 720);
    }

    // Opens the help file when it is not open yet; the reason in German when it cannot.
    bool load(QString& problem)
    {
        const QString path = helpFile();
        if (m_archive.isOpen() && path == m_loadedPath)
            return true;
        close();
        m_archive.close();
        m_loadedPath.clear();
        m_topics.clear();
        const QString name = QFileInfo(path).fileName();
        if (!QFileInfo(path).isFile()) {
            problem = QStringLiteral("Die Hilfedatei „%1“ wurde nicht gefunden.\n\n"
                                     "Sie gehört in den Ordner des Programms:\n%2")
                          .arg(name, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
            return false;
        }
        if (!m_archive.open(path) || m_archive.defaultTopic().isEmpty() ||
            m_archive.read(m_archive.defaultTopic()).isEmpty()) {
            m_archive.close();
            problem = QStringLiteral("Die Hilfedatei „%1“ ist beschädigt und kann nicht "
                                     "gelesen werden.\n\n%2\n\n"
                                     "Bitte installieren Sie das Programm erneut.")
                          .arg(name, QDir::toNativeSeparators(path));
            return false;
        }
        m_loadedPath = path;
        m_newFile = true;
        fillContents();
        fillIndex();
        m_browser->clearHistory();
        return true;
    }

    bool hasContext(int context) const { return !m_archive.read(contextTopic(context)).isEmpty(); }

    void showContext(int context, bool inFront)
    {
        // A window kept in front would hide the viewer, so the viewer is kept in front too.
        if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != inFront)
            setWindowFlag(Qt::WindowStaysOnTopHint, inFront);
        setProperty("kontext", context);
        showPath(contextTopic(context));
        if (isMinimized())
            showNormal();
        show();
        raise();
        activateWindow();
    }

private:
    QWidget* buildContents()
    {
        m_contents = new QTreeWidget(this);
        m_contents->setObjectName(QStringLiteral("Hilfe_TV_Inhalt"));
        m_contents->setHeaderHidden(true);
        connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::itemChosen);
        connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
            showPath(item->data(0, Qt::UserRole).toString());
        });
        return m_contents;
    }

    QWidget* buildIndex()
    {
        auto* page = new QWidget(this);
        m_indexFilter = new QLineEdit(page);
        m_indexFilter->setObjectName(QStringLiteral("Hilfe_E_Index"));
        m_indexFilter->setPlaceholderText(QStringLiteral("Stichwort eingeben"));
        m_indexFilter->setClearButtonEnabled(true);
        m_index = new QListWidget(page);
        m_index->setObjectName(QStringLiteral("Hilfe_LB_Index"));
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(m_indexFilter);
        layout->addWidget(m_index);
        connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
        connect(m_indexFilter, &QLineEdit::returnPressed, this, [this] {
            for (int i = 0; i < m_index->count(); ++i)
                if (!m_index->item(i)->isHidden()) {
                    listItemChosen(m_index->item(i));
                    return;
                }
        });
        connect(m_index, &QListWidget::itemActivated, this, &HelpWindow::listItemChosen);
        connect(m_index, &QListWidget::itemClicked, this, &HelpWindow::listItemChosen);
        return page;
    }

    QWidget* buildSearch()
    {
        auto* page = new QWidget(this);
        m_query = new QLineEdit(page);
        m_query->setObjectName(QStringLiteral("Hilfe_E_Suche"));
        m_query->setPlaceholderText(QStringLiteral("Suchbegriffe"));
        m_query->setClearButtonEnabled(true);
        auto* go = new QPushButton(QStringLiteral("Suchen"), page);
        go->setObjectName(QStringLiteral("Hilfe_B_Suchen"));
        m_found = new QListWidget(page);
        m_found->setObjectName(QStringLiteral("Hilfe_LB_Treffer"));
        m_foundCount = new QLabel(page);
        m_foundCount->setObjectName(QStringLiteral("Hilfe_L_Treffer"));
        m_foundCount->setWordWrap(true);
        auto* row = new QHBoxLayout;
        row->addWidget(m_query);
        row->addWidget(go);
        auto* layout = new QVBoxLayout(page);
        layout->addLayout(row);
        layout->addWidget(m_foundCount);
        layout->addWidget(m_found);
        connect(go, &QPushButton::clicked, this, &HelpWindow::search);
        connect(m_query, &QLineEdit::returnPressed, this, &HelpWindow::search);
        connect(m_found, &QListWidget::itemActivated, this, &HelpWindow::listItemChosen);
        connect(m_found, &QListWidget::itemClicked, this, &HelpWindow::listItemChosen);
        return page;
    }

    void fillContents()
    {
        m_contents->clear();
        QList<QTreeWidgetItem*> parents;
        for (const SitemapEntry& entry :
             parseSitemap(QString::fromUtf8(m_archive.read(m_archive.contentsFile())))) {
            const int depth = std::min(entry.depth, kMaxContentsDepth);
            while (parents.size() > depth)
                parents.removeLast();
            auto* item = parents.isEmpty() ? new QTreeWidgetItem(m_contents)
                                           : new QTreeWidgetItem(parents.last());
            item->setText(0, entry.name);
            item->setData(0, Qt::UserRole, entry.local);
            item->setToolTip(0, entry.name);
            while (parents.size() < depth)
                parents.append(parents.isEmpty() ? item : parents.last());
            parents.append(item);
        }
        m_contents->expandAll();
    }

    void fillIndex()
    {
        m_index->clear();
        QList<SitemapEntry> entries =
            parseSitemap(QString::fromUtf8(m_archive.read(m_archive.indexFile())));
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return QString::localeAwareCompare(a.name, b.name) < 0;
        });
        for (const SitemapEntry& entry : entries) {
            auto* item = new QListWidgetItem(entry.name, m_index);
            item->setData(Qt::UserRole, entry.local);
        }
        filterIndex(m_indexFilter->text());
    }

    void filterIndex(const QString& text)
    {
        const QString wanted = text.trimmed();
        bool first = true;
        for (int i = 0; i < m_index->count(); ++i) {
            QListWidgetItem* item = m_index->item(i);
            const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
            item->setHidden(!shown);
            if (shown && first && !wanted.isEmpty()) {
                m_index->setCurrentItem(item);
                first = false;
            }
        }
    }

    // Every topic of the file, read once, for the search.
    const QList<Topic>& topics()
    {
        if (!m_topics.isEmpty())
            return m_topics;
        for (const QString& path : m_archive.files()) {
            if (!path.endsWith(u".html", Qt::CaseInsensitive) &&
                !path.endsWith(u".htm", Qt::CaseInsensitive))
                continue;
            QTextDocument document;
            document.setHtml(withTablesFlattened(QString::fromUtf8(m_archive.read(path))));
            QString title = document.metaInformation(QTextDocument::DocumentTitle);
            if (title.isEmpty())
                title = path;
            m_topics.append({path, title, searchFolded(title + u'\n' + document.toPlainText())});
        }
        return m_topics;
    }

    // All words must occur in a topic; topics with more hits come first.
    void search()
    {
        m_found->clear();
        const QStringList words = searchFolded(m_query->text())
                                      .split(QRegularExpression(QStringLiteral("\\s+")),
                                             Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            m_foundCount->clear();
            return;
        }
        QList<std::pair<qsizetype, const Topic*>> hits;
        for (const Topic& topic : topics()) {
            qsizetype count = 0;
            for (const QString& word : words) {
                const auto n = topic.text.count(word);
                if (n == 0) {
                    count = 0;
                    break;
                }
                count += n;
            }
            if (count > 0)
                hits.append({count, &topic});
        }
        std::stable_sort(hits.begin(), hits.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [count, topic] : hits) {
            auto* item = new QListWidgetItem(topic->title, m_found);
            item->setData(Qt::UserRole, topic->path);
            item->setToolTip(QStringLiteral("%1 Fundstellen").arg(count));
        }
        m_foundCount->setText(
            hits.isEmpty()
                ? QStringLiteral("Kein Thema enthält „%1“.").arg(m_query->text().trimmed())
            : hits.size() == 1 ? QStringLiteral("1 Thema gefunden.")
                               : QStringLiteral("%1 Themen gefunden.").arg(hits.size()));
        m_searchWord = m_query->text().split(QRegularExpression(QStringLiteral("\\s+")),
                                             Qt::SkipEmptyParts)
                           .value(0);
    }

    void itemChosen(QTreeWidgetItem* item)
    {
        if (!item)
            return;
        const QString path = item->data(0, Qt::UserRole).toString();
        if (path.isEmpty()) // a chapter without a topic of its own
            item->setExpanded(!item->isExpanded());
        else
            showPath(path);
    }

    void listItemChosen(QListWidgetItem* item)
    {
        if (!item)
            return;
        showPath(item->data(Qt::UserRole).toString());
        // A search result opens at the first place of the word sought.
        if (item->listWidget() == m_found && !m_searchWord.isEmpty()) {
            // the word as typed, else with "ss" and "ß" the other way round
            QString other = m_searchWord;
            other.replace(QStringLiteral("ss"), QStringLiteral("ß"));
            if (other == m_searchWord)
                other.replace(QChar(0x00DF), QStringLiteral("ss"));
            for (const QString& word : {m_searchWord, other}) {
                m_browser->moveCursor(QTextCursor::Start);
                if (m_browser->find(word))
                    break;
            }
        }
    }

    void showPath(const QString& path)
    {
        if (path.isEmpty())
            return;
        const QUrl url = topicUrl(path);
        if (m_browser->source() != url)
            m_browser->setSource(url);
        else if (m_newFile)
            m_browser->reload(); // the same path, but from the file read since
        m_newFile = false;
    }

    void topicShown(const QUrl& url)
    {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Ampero Hilfe")
                                       : QStringLiteral("Ampero Hilfe – %1").arg(title));
        // The contents follow the topic shown, also after a link or back/forward.
        const QSignalBlocker block(m_contents);
        for (QTreeWidgetItemIterator it(m_contents); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == url.path()) {
                m_contents->setCurrentItem(*it);
                m_contents->scrollToItem(*it);
                return;
            }
        m_contents->setCurrentItem(nullptr);
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            m_browser->document()->setDefaultStyleSheet(topicStyleSheet(palette()));
        QWidget::changeEvent(event);
    }

    ChmArchive m_archive;
    QString m_loadedPath;
    bool m_newFile = false; // a file was read since the browser last loaded a topic
    QList<Topic> m_topics;
    QString m_searchWord;
    HelpBrowser* m_browser;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_query = nullptr;
    QListWidget* m_found = nullptr;
    QLabel* m_foundCount = nullptr;
    QAction* m_back;
    QAction* m_forward;
};

QPointer<HelpWindow>& window()
{
    static QPointer<HelpWindow> window;
    return window;
}

void showHelpProblem(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf16(kApplicationTitle), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void setHelpFile(const QString& path) { g_helpFile = path; }

QString helpFile()
{
    if (!g_helpFile.isEmpty())
        return g_helpFile;
    return QCoreApplication::applicationDirPath() + u'/' + QString::fromUtf16(kHelpFileName);
}

void openHelp(int context, const QString& topic)
{
    if (!window())
        window() = new HelpWindow;
    HelpWindow* help = window();
    QString problem;
    if (!help->load(problem)) {
        showHelpProblem(problem);
        return;
    }
    if (!help->hasContext(context)) {
        showHelpProblem(QStringLiteral("Die Hilfedatei „%1“ enthält kein Thema zu „%2“ "
                                       "(Kontext %3).")
                            .arg(QFileInfo(helpFile()).fileName(), topic)
                            .arg(context));
        return;
    }
    const QWidget* from = QApplication::activeWindow();
    if (!from)
        from = help;
    help->showContext(context, from->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace ampero
