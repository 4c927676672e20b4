#include "aboutwindow.h"

#include "accessiblenames.h"
#include "lumentafellogo.h"
#include "windowfonts.h"

#include "platform/prompter.h"
#include "programversion.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(QLatin1String(name));
    return label;
}

// The project's own address: company line; street, postcode and town; telephone and fax;
// e-mail and web address.
QString addressLines() {
    return QStringLiteral("Lumentafel-Projekt\n"
                          "Bühnenweg 12, 10115 Musterstadt\n"
                          "Tel. +49 30 555 0100, Fax +49 30 555 0199\n"
                          "info@lumentafel.example.org, ") +
           AboutWindow::webAddress();
}

} // namespace

AboutWindow::AboutWindow(Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("TKorvel_Information"));
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_title = named(new QLabel, "Label1");
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(WindowFonts::sans(21, QFont::Black));

    auto* logo = named(new QLabel, "Image1");
    logo->setPixmap(LumentafelLogo::aboutPicture());
    const QFont labels = WindowFonts::arial(16, true);
    auto* version = named(new QLabel(QStringLiteral("Version")), "Label5");
    auto* versionText = named(new QLabel(QLatin1String(ProgramVersion::text)), "Label6");
    auto* versionDate = named(new QLabel(QLatin1String(ProgramVersion::date)), "Label7");
    auto* versionColumn = new QVBoxLayout;
    versionColumn->setSpacing(8);
    for (QLabel* label : {version, versionText, versionDate}) {
        label->setFont(labels);
        label->setMinimumHeight(24);
        versionColumn->addWidget(label);
    }
    versionColumn->addStretch();
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(logo);
    logoRow->addSpacing(16);
    logoRow->addLayout(versionColumn);

    m_address = new QPlainTextEdit(addressLines());
    m_address->setObjectName(QStringLiteral("Memo1"));
    m_address->setReadOnly(true);
    m_address->setFont(labels);
    m_address->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(labels);
    m_address->setFixedHeight(metrics.lineSpacing() * 4 + 16);
    m_address->setMinimumWidth(metrics.horizontalAdvance(addressLines().section('\n', 2, 2)) + 24);

    m_rights = named(new QLabel, "RightsLabel");

    m_linkButton = new QToolButton;
    m_linkButton->setObjectName(QStringLiteral("SpeedButton1"));
    m_linkButton->setIcon(QPixmap::fromImage(LumentafelLogo::markImage(32)));
    m_linkButton->setAutoRaise(true);
    m_linkButton->setCursor(Qt::PointingHandCursor);
    connect(m_linkButton, &QToolButton::clicked, this, &AboutWindow::openWebAddress);
    m_link = named(new QLabel(webAddress()), "Label8");
    QFont linkFont = labels;
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    QPalette red = m_link->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_link->setPalette(red);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(m_linkButton);
    linkRow->addWidget(m_link);
    linkRow->addStretch();

    m_ok = new QPushButton;
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_ok);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(logoRow);
    layout->addWidget(m_address);
    layout->addWidget(m_rights);
    layout->addLayout(linkRow);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
}

QString AboutWindow::webAddress() {
    return QStringLiteral("www.lumentafel.example.org");
}

void AboutWindow::setVariantCaptions(const QString& productWords, const QString& captionPrefix) {
    setWindowTitle(productWords + captionPrefix + QStringLiteral("Info"));
    m_title->setText(productWords + captionPrefix.left(captionPrefix.size() - 2));
}

void AboutWindow::showModal() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void AboutWindow::openWebAddress() {
    QUrl url = QUrl::fromUserInput(m_link->text());
    // A web address typed without its scheme is a secure one today.
    if (!m_link->text().contains(QLatin1String("://")))
        url.setScheme(QStringLiteral("https"));
    if (!m_openUrl || !m_openUrl(url))
        m_prompter.showError(QStringLiteral("Couldn't launch default browser"));
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openWebAddress();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AboutWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AboutWindow::retranslate() {
    m_rights->setText(tr("© Lumentafel-Projekt. Alle Rechte vorbehalten."));
    m_linkButton->setToolTip(tr("Internetseite im Browser öffnen"));
    m_link->setToolTip(tr("Internetseite im Browser öffnen"));
    AccessibleNames::nameAfterHint(m_linkButton);
    m_address->setAccessibleName(tr("Adresse"));
    // "OK" reads the same in both languages.
    m_ok->setText(QStringLiteral("OK"));
}
