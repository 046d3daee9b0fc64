// The main form's commands for the saved people and the reading as a document.
#include "app/people/PeopleCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

#include "Analyze.h"
#include "ChartBirth.h"
#include "Clock.h"
#include "ComError.h"
#include "PersonBirth.h"
#include "StoreError.h"
#include "StoreLocation.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "app/chart/ChartWnd.h"
#include "app/pages/Documents.h"
#include "app/pages/GbkText.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/people/PeopleWnd.h"
#include "app/people/PersonDlg.h"
#include "app/people/ReportFileName.h"

namespace {

// Where a window opens over the form, as the chart window does.
const QPoint kWindowOffset(40, 30);
// The analysis covers this year and the next ones.
constexpr int kAnalysisYears = 3;

constexpr char kStoreUnusable[] = "\n\n论命照常可用；档案库未作任何改动。";

int ThisYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

// `window` at `offset` from `owner`, moved back inside the screen that holds
// the owner where it would stand out of it.
void PlaceOver(QWidget* window, const QWidget& owner, QPoint offset) {
    QRect frame(owner.pos() + offset, window->size());
    if (const QScreen* screen = owner.screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), room.right()));
        frame.moveBottom(std::min(frame.bottom(), room.bottom()));
        frame.moveLeft(std::max(frame.left(), room.left()));
        frame.moveTop(std::max(frame.top(), room.top()));
    }
    window->move(frame.topLeft());
}

QAction* MakeAction(QObject* owner, const char* text, const QKeySequence& keys, const char* tip) {
    auto* action = new QAction(QString::fromUtf8(text), owner);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(QString::fromUtf8(tip));
    return action;
}

}  // namespace

CPeopleCommands::CPeopleCommands(CKarvutoDlg& form)
    : QObject(&form), m_form(form), m_storePath(people::DefaultStorePath()) {
    m_pSaveAction = MakeAction(this, "保存", QKeySequence::Save, "把这次论命的人存入档案");
    m_pPeopleAction = MakeAction(this, "档案", QKeySequence::Open, "查看、打开与管理已存的人");
    m_pExportAction = MakeAction(this, "导出PDF", QKeySequence(Qt::CTRL | Qt::Key_E), "把报告存为 PDF 文件");
    m_pCopyAllAction = MakeAction(this, "复制全文", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                  "把整篇报告作为文字复制");
    connect(m_pSaveAction, &QAction::triggered, this, &CPeopleCommands::OnSave);
    connect(m_pPeopleAction, &QAction::triggered, this, &CPeopleCommands::OnPeople);
    connect(m_pExportAction, &QAction::triggered, this, &CPeopleCommands::OnExportPdf);
    connect(m_pCopyAllAction, &QAction::triggered, this, &CPeopleCommands::OnCopyAll);

    const QList<QAction*> commands{m_pSaveAction, m_pPeopleAction, m_pExportAction, m_pCopyAllAction};
    m_form.addActions(commands);  // the shortcuts, wherever the focus is in the form
    if (QMenu* menu = m_form.TitleMenu()) {
        QAction* first = menu->actions().value(0);
        menu->insertActions(first, commands);
        if (first == nullptr || !first->isSeparator()) menu->insertSeparator(first);
    }
    m_form.ReportView().SetContextActions({m_pCopyAllAction, m_pSaveAction, m_pExportAction});

    connect(&m_form, &CKarvutoDlg::ReadingComposed, this, &CPeopleCommands::OnReadingComposed);
    connect(&m_form, &CKarvutoDlg::ChartWindowOpened, this, &CPeopleCommands::OnChartWindowOpened);
    UpdateActions();
}

CPeopleCommands::~CPeopleCommands() {
    // The window and the dialog use the store: they go before it does.
    delete m_pPeopleWnd.data();
    delete m_pSaveDlg.data();
}

CPeopleWnd* CPeopleCommands::PeopleWindow() const {
    return m_pPeopleWnd.data();
}

CPersonDlg* CPeopleCommands::SaveDialog() const {
    return m_pSaveDlg.data();
}

people::PeopleStore* CPeopleCommands::Store() {
    if (m_store) return m_store.get();
    try {
        people::EnsureStoreFolder(m_storePath);
        m_store = std::make_unique<people::PeopleStore>(m_storePath,
                                                        people::StoreOptions{.busyTimeout = kBusyTimeout});
    } catch (const people::StoreError& e) {
        ReportStoreFailure(QString::fromUtf8(e.what()) + QString::fromUtf8(kStoreUnusable));
        return nullptr;
    }
    return m_store.get();
}

void CPeopleCommands::ReportStoreFailure(const QString& message) {
    ShowMessageBox(&m_form, message);
}

void CPeopleCommands::UpdateActions() {
    const bool reading = HasReading();
    m_pSaveAction->setEnabled(reading);
    m_pExportAction->setEnabled(reading);
    m_pCopyAllAction->setEnabled(reading);
}

void CPeopleCommands::OnReadingComposed() {
    m_shown = m_form.LastRequest();
    // A reading under another name is another person's.
    if (m_linked && !peopleui::RequestNames(*m_shown, *m_linked)) m_linked.reset();
    UpdateActions();
}

peopleui::BirthDetails CPeopleCommands::CurrentDetails() const {
    if (const CChartWnd* chart = m_form.ChartWindow())
        return peopleui::DetailsOfChart(chart->Chart(), chart->ModelInputNow().place);
    if (m_linked) return peopleui::DetailsOf(*m_linked);
    return {};
}

std::string CPeopleCommands::ShownName() const {
    return m_shown ? peopleui::NameOfRequest(*m_shown, m_linked ? &*m_linked : nullptr) : std::string();
}

void CPeopleCommands::OnSave() {
    if (!m_shown) return;
    if (m_pSaveDlg && m_pSaveDlg->isVisible()) {
        m_pSaveDlg->raise();
        m_pSaveDlg->activateWindow();
        return;
    }
    people::PeopleStore* store = Store();
    if (!store) return;
    // A linked person is saved over its stored self (note, tags and times
    // kept); one removed meanwhile is saved anew.
    people::Person base;
    if (m_linked) {
        try {
            base = store->Get(m_linked->id).value_or(people::Person{});
        } catch (const people::StoreError& e) {
            ReportStoreFailure(QString::fromUtf8(e.what()));
            return;
        }
        if (base.id == 0) m_linked.reset();
    }
    const people::Person person =
        peopleui::PersonOfReading(*m_shown, ShownName(), CurrentDetails(), std::move(base));
    auto writer = [store](people::Person& p, bool asNew, QString* error) {
        try {
            if (asNew || p.id <= 0) {
                p = store->Get(store->Add(p)).value_or(p);
            } else {
                p = store->Update(p);
            }
            return true;
        } catch (const people::StoreError& e) {
            *error = QString::fromUtf8(e.what());
            return false;
        }
    };
    auto* dialog = new CPersonDlg(CPersonDlg::Mode::Save, person, writer, &m_form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        m_linked = dialog->Stored();
        if (m_pPeopleWnd) {
            m_pPeopleWnd->Refresh();
            m_pPeopleWnd->Select(m_linked->id);
        }
    });
    PlaceOver(dialog, m_form, QPoint((m_form.width() - dialog->width()) / 2, kWindowOffset.y()));
    m_pSaveDlg = dialog;
    dialog->open();
}

void CPeopleCommands::OnPeople() {
    if (m_pPeopleWnd) {
        m_pPeopleWnd->show();
        m_pPeopleWnd->raise();
        m_pPeopleWnd->activateWindow();
        return;
    }
    people::PeopleStore* store = Store();
    if (!store) return;
    auto* window = new CPeopleWnd(*store, &m_form);
    connect(window, &CPeopleWnd::OpenRequested, this, &CPeopleCommands::OpenPerson);
    connect(window, &CPeopleWnd::ChartRequested, this, &CPeopleCommands::ChartPerson);
    connect(window, &CPeopleWnd::StoreFailed, this, &CPeopleCommands::ReportStoreFailure);
    connect(window, &CPeopleWnd::PersonChanged, this, [this](const people::Person& p) {
        if (m_linked && m_linked->id == p.id) m_linked = p;
    });
    connect(window, &CPeopleWnd::PersonRemoved, this, [this](people::PersonId id) {
        if (m_linked && m_linked->id == id) m_linked.reset();
    });
    PlaceOver(window, m_form, kWindowOffset);
    m_pPeopleWnd = window;
    window->show();
    window->raise();
    window->activateWindow();
}

void CPeopleCommands::OpenPerson(const people::Person& person) {
    m_linked = person;
    m_form.ShowReadingOf(people::ToBirth(person).birth);
    if (m_form.ChartWindow()) ApplyDetailsToChart(peopleui::DetailsOf(person));
}

void CPeopleCommands::ChartPerson(const people::Person& person) {
    OpenPerson(person);
    if (!HasReading() || !m_linked || m_linked->id != person.id) return;
    m_form.OnChart();
    ApplyDetailsToChart(peopleui::DetailsOf(person));
}

void CPeopleCommands::OnChartWindowOpened(CChartWnd* /*window*/) {
    // A chart opened for a linked reading is the person's chart.
    if (m_linked) ApplyDetailsToChart(peopleui::DetailsOf(*m_linked));
}

void CPeopleCommands::ApplyDetailsToChart(const peopleui::BirthDetails& details) {
    if (CChartWnd* chart = m_form.ChartWindow())
        chart->SetConventions(details.minute, details.conventions, QString::fromStdString(details.place));
}

void CPeopleCommands::OnCopyAll() {
    m_form.ReportView().CopyAll();
}

QString CPeopleCommands::SuggestedPdfPath() const {
    // The documents folder where the user has one, else the home folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
    const SYSTEMTIME date = m_form.ReportView().Report().clockSolar;
    return folder + QLatin1Char('/') +
           ReportFileName(QString::fromStdString(ShownName()), date.wYear, date.wMonth, date.wDay);
}

void CPeopleCommands::OnExportPdf() {
    if (!m_shown) return;
    QFileDialog dialog(&m_form, QStringLiteral("导出PDF"), SuggestedPdfPath(),
                       QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // Qt's own dialog, so that the choice of pages sits in it on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* pagesBox = new QCheckBox(QStringLiteral("同时导出排盘与命局分析"), &dialog);
    pagesBox->setObjectName(QStringLiteral("withChartAndAnalysis"));
    pagesBox->setChecked(m_bExportChart);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(pagesBox, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    m_bExportChart = pagesBox->isChecked();
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (!ExportPdf(path, m_bExportChart, &error)) ShowWriteFailure(&m_form, path, error);
}

bool CPeopleCommands::ShownChart(chart::Chart& chart, chart::ChartModel& model, QString* error) const {
    if (const CChartWnd* window = m_form.ChartWindow()) {
        chart = window->Chart();
        model = window->Model();
        return true;
    }
    const peopleui::BirthDetails details = CurrentDetails();
    const chart::BirthMoment birth =
        chart::BirthOfReading(*m_shown, m_form.ReportView().Report().clockSolar, details.minute);
    if (const std::string problem = chart::CheckBirth(birth, details.conventions); !problem.empty()) {
        *error = QStringLiteral("无法排盘：") + QString::fromStdString(problem);
        return false;
    }
    chart = chart::ComputeChart(birth, details.conventions);
    model = chart::MakeChartModel(
        chart, {ShownName(), details.conventions.longitude ? details.place : std::string(), ThisYear()});
    return true;
}

bool CPeopleCommands::ExportPdf(const QString& path, bool withChartAndAnalysis, QString* error) {
    if (!m_shown) {
        *error = QStringLiteral("还没有报告");
        return false;
    }
    const pages::ReportPageText report = m_form.ReportView().PageText();
    std::optional<chart::ChartModel> model;
    std::optional<analysis::Analysis> analysed;
    if (withChartAndAnalysis) {
        chart::Chart chart;
        model.emplace();
        if (!ShownChart(chart, *model, error)) return false;
        if (m_form.DatabaseConnection() == nullptr) {
            *error = QStringLiteral("没有打开数据库，无法作命局分析");
            return false;
        }
        std::vector<int> years;
        for (int y = ThisYear(), i = 0; i < kAnalysisYears; ++i) years.push_back(y + i);
        try {
            analysed = analysis::Analyze(chart, years, m_form.AnalysisTexts());
        } catch (const ComError& e) {
            *error = QStringLiteral("命局分析的文字读取失败：") + FromGbk(e.ErrorText());
            return false;
        }
    }
    const std::vector<pages::PagePainter> document =
        pages::ReadingDocument(report, model ? &*model : nullptr, analysed ? &*analysed : nullptr);
    return pages::WritePdf(pages::NativePath(path), document, error);
}
