// The person dialog (保存档案, 编辑档案) on face 271.
#include "app/people/PersonDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "ReportName.h"
#include "app/pages/GbkText.h"
#include "app/people/ReadingPerson.h"
#include "app/people/SkinnedWindow.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/StateBitmapButton.h"

namespace {

// The rows of the dialog, in pixels of face 271 (inside kPersonFaceControlBand).
constexpr int kLabelLeft = 16;
constexpr int kLabelWidth = 40;
constexpr int kFieldLeft = 60;
constexpr int kFieldWidth = 364;
constexpr int kRowHeight = 22;
constexpr int kNameTop = 38;
constexpr int kNoticeTop = 62;  // under the name: what the report prints
constexpr int kNoticeHeight = 16;
constexpr int kBirthTop = 82;
constexpr int kNoteTop = 110;
constexpr int kNoteHeight = 118;
constexpr int kTagsTop = 236;
constexpr int kTagsHintTop = 260;
constexpr int kMessageTop = 278;
constexpr int kMessageHeight = 20;
constexpr int kButtonsTop = 304;
constexpr int kButtonStep = art::kCommandButtonWidth + 10;
// The notice and message colours: the panel's blue text is for labels.
constexpr QRgb kNoticeColour = 0xFF5A3A10;
constexpr QRgb kMessageColour = 0xFFB01818;

QString U8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect where) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    return label;
}

void Colour(QLabel* label, QRgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(colour));
    label->setPalette(palette);
}

}  // namespace

CPersonDlg::CPersonDlg(Mode mode, people::Person person, Writer writer, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_person(std::move(person)), m_writer(std::move(writer)) {
    peopleui::SetUpSkinnedWindow(this, art::kPersonFaceId);
    setWindowTitle(Caption());
    BuildControls();
}

QString CPersonDlg::Caption() const {
    return m_mode == Mode::Save ? QStringLiteral("保存档案") : QStringLiteral("编辑档案");
}

void CPersonDlg::BuildControls() {
    AddLabel(this, QStringLiteral("姓名"), QRect(kLabelLeft, kNameTop, kLabelWidth, kRowHeight));
    m_pNameEdit = new QLineEdit(U8(m_person.name), this);
    m_pNameEdit->setGeometry(kFieldLeft, kNameTop, kFieldWidth, kRowHeight);
    m_pNameEdit->setAccessibleName(QStringLiteral("姓名"));
    m_pReportNameLabel = AddLabel(this, {}, QRect(kFieldLeft, kNoticeTop, kFieldWidth, kNoticeHeight));
    Colour(m_pReportNameLabel, kNoticeColour);

    AddLabel(this, QStringLiteral("生辰"), QRect(kLabelLeft, kBirthTop, kLabelWidth, kRowHeight));
    m_pBirthLabel =
        AddLabel(this, BirthSummary(m_person), QRect(kFieldLeft, kBirthTop, kFieldWidth, kRowHeight));
    m_pBirthLabel->setToolTip(m_mode == Mode::Edit ? QStringLiteral("要改生辰，请打开此人，在主窗口改后保存")
                                                   : QString());

    AddLabel(this, QStringLiteral("备注"), QRect(kLabelLeft, kNoteTop, kLabelWidth, kRowHeight));
    m_pNoteEdit = new QPlainTextEdit(U8(m_person.note), this);
    m_pNoteEdit->setGeometry(kFieldLeft, kNoteTop, kFieldWidth, kNoteHeight);
    m_pNoteEdit->setAccessibleName(QStringLiteral("备注"));
    m_pNoteEdit->setTabChangesFocus(true);

    AddLabel(this, QStringLiteral("标签"), QRect(kLabelLeft, kTagsTop, kLabelWidth, kRowHeight));
    QStringList tags;
    for (const std::string& tag : m_person.tags) tags << U8(tag);
    m_pTagsEdit = new QLineEdit(tags.join(QLatin1Char(' ')), this);
    m_pTagsEdit->setGeometry(kFieldLeft, kTagsTop, kFieldWidth, kRowHeight);
    m_pTagsEdit->setAccessibleName(QStringLiteral("标签"));
    AddLabel(this, QStringLiteral("多个标签以空格或逗号分开"),
             QRect(kFieldLeft, kTagsHintTop, kFieldWidth, kNoticeHeight));

    m_pMessageLabel = AddLabel(
        this, {}, QRect(kLabelLeft, kMessageTop, kFieldLeft + kFieldWidth - kLabelLeft, kMessageHeight));
    m_pMessageLabel->setWordWrap(true);
    Colour(m_pMessageLabel, kMessageColour);

    const bool update = m_mode == Mode::Save && m_person.id > 0;
    int x = kFieldLeft;
    m_pSaveButton = peopleui::AddCommandButton(
        this, QStringLiteral("保存"),
        update ? QStringLiteral("更新这个人的档案") : QStringLiteral("存入档案"), QPoint(x, kButtonsTop));
    x += kButtonStep;
    m_pSaveAsNewButton =
        peopleui::AddCommandButton(this, QStringLiteral("另存为新档案"),
                                   QStringLiteral("存为另一个人，原档案不变"), QPoint(x, kButtonsTop));
    m_pSaveAsNewButton->setVisible(update);
    if (update) x += kButtonStep;
    m_pCancelButton = peopleui::AddCommandButton(this, QStringLiteral("取消"), QStringLiteral("不保存，关闭"),
                                                 QPoint(x, kButtonsTop));
    peopleui::AddCloseButton(this, art::kPersonFaceCloseButton);

    connect(m_pSaveButton, &QAbstractButton::clicked, this, &CPersonDlg::OnSave);
    connect(m_pSaveAsNewButton, &QAbstractButton::clicked, this, &CPersonDlg::OnSaveAsNew);
    connect(m_pCancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(m_pNameEdit, &QLineEdit::textChanged, this,
            [this](const QString& name) { m_pReportNameLabel->setText(ReportNameNotice(name)); });
    m_pReportNameLabel->setText(ReportNameNotice(m_pNameEdit->text()));

    setTabOrder(m_pNameEdit, m_pNoteEdit);
    setTabOrder(m_pNoteEdit, m_pTagsEdit);
    setTabOrder(m_pTagsEdit, m_pSaveButton);
    setTabOrder(m_pSaveButton, m_pSaveAsNewButton);
    setTabOrder(m_pSaveAsNewButton, m_pCancelButton);
    // Saving after a reading is mostly about the note; editing starts at the name.
    (m_mode == Mode::Save ? static_cast<QWidget*>(m_pNoteEdit) : m_pNameEdit)->setFocus();
}

std::vector<std::string> CPersonDlg::ParseTags(const QString& text) {
    // Unicode's white space, the ideographic space U+3000 among it.
    static const QRegularExpression separators(QStringLiteral("[\\s,，、;；]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    std::vector<std::string> tags;
    for (const QString& tag : text.split(separators, Qt::SkipEmptyParts)) tags.push_back(tag.toStdString());
    return tags;
}

QString CPersonDlg::ReportNameNotice(const QString& name) {
    const people::ReportName report = people::MakeReportName(name.toStdString());
    const QString printed = FromGbk(report.gbk);
    if (printed == name) return {};
    if (printed.isEmpty()) return {};
    QString notice = QStringLiteral("报告中印作“%1”").arg(printed);
    if (report.shortened) notice += QStringLiteral("，报告姓名限10个字节（5个汉字）");
    if (report.replaced) notice += QStringLiteral("，无法印出的字以“?”代替");
    return notice;
}

QString CPersonDlg::BirthSummary(const people::Person& p) {
    QStringList parts;
    parts << (p.sex == people::Sex::Male ? QStringLiteral("男") : QStringLiteral("女"));
    parts << U8(peopleui::BirthText(p));
    if (!p.place.empty()) parts << U8(p.place);
    if (p.trueSolarTime)
        parts << (p.place.empty() && p.longitude
                      ? QStringLiteral("真太阳时（东经 %1°）").arg(*p.longitude, 0, 'f', 2)
                      : QStringLiteral("真太阳时"));
    if (p.zi != chart::ZiHour::Late) parts << U8(std::string(chart::ZiHourName(p.zi)));
    if (!p.dstCorrect) parts << QStringLiteral("夏令时不拨回");
    return parts.join(QStringLiteral("　"));
}

people::Person CPersonDlg::PersonNow() const {
    people::Person p = m_person;
    p.name = m_pNameEdit->text().toStdString();
    p.note = m_pNoteEdit->toPlainText().toStdString();
    p.tags = ParseTags(m_pTagsEdit->text());
    return p;
}

void CPersonDlg::OnSave() {
    Write(false);
}

void CPersonDlg::OnSaveAsNew() {
    Write(true);
}

void CPersonDlg::Write(bool asNew) {
    people::Person p = PersonNow();
    QString error;
    if (!m_writer || !m_writer(p, asNew, &error)) {
        m_pMessageLabel->setText(error.isEmpty() ? QStringLiteral("未能保存") : error);
        return;
    }
    m_person = std::move(p);
    accept();
}

void CPersonDlg::paintEvent(QPaintEvent* /*event*/) {
    peopleui::PaintSkinnedWindow(this, art::kPersonFaceId, Caption());
}

void CPersonDlg::mousePressEvent(QMouseEvent* event) {
    if (peopleui::DragSkinnedWindow(this, event)) return;
    QDialog::mousePressEvent(event);
}

void CPersonDlg::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button, elsewhere it saves (the note takes
    // its own Enter for a new line). Esc cancels, as in every dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
        } else {
            OnSave();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
