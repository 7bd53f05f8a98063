#include "TF_login.h"

#include "ErrorDisplay.h"
#include "Global_Library.h"
#include "KeyPreview.h"
#include "Login.h"
#include "MessageBox.h"
#include "TF_Menu.h"
#include "TNumEdit.h"
#include "VelkoIni.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

namespace custos::app {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kTitleStrip(0x77, 0x77, 0xFF);
constexpr QSize kWindowSize(448, 226);
constexpr int kBorder = 2;
constexpr int kTopBand = 7;
constexpr int kTitleHeight = 30;
constexpr int kLabelLeft = 20;
constexpr int kLabelWidth = 110;
constexpr int kFieldLeft = 140;
constexpr int kFieldWidth = 270;
constexpr int kRowTop = 52;
constexpr int kRowHeight = 30;
constexpr int kFieldHeight = 22;

// The user field takes what is typed in upper case.
class UpperCase : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// The company field takes at most two typed characters. QLineEdit's own maximum length would
// also cut a longer value from the configuration file, silently changing the company.
class TypedLength : public QValidator
{
public:
    TypedLength(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= m_length ? Acceptable : Invalid;
    }

private:
    int m_length;
};

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace

TF_login::TF_login(session::Global_Library& library, dayproc::TF_Menu& menu, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_library(library), m_menu(menu)
{
    setObjectName(QStringLiteral("F_login"));
    setWindowTitle(QStringLiteral("Login"));
    setFixedSize(kWindowSize);
    setColour(this, QPalette::Window, Qt::white);
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("  Varnelle BI"), this);
    title->setObjectName(QStringLiteral("lbTitulo"));
    title->setGeometry(kBorder, kTopBand, kWindowSize.width() - 2 * kBorder, kTitleHeight);
    title->setAutoFillBackground(true);
    setColour(title, QPalette::Window, kTitleStrip);
    setColour(title, QPalette::WindowText, Qt::white);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    title->setFont(titleFont);

    int row = 0;
    auto place = [this, &row](QWidget* field, const QString& labelName, const QString& caption) {
        const int top = kRowTop + row++ * kRowHeight;
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(kLabelLeft, top, kLabelWidth, kFieldHeight);
        label->setBuddy(field);
        setColour(label, QPalette::WindowText, kNavy);
        field->setGeometry(kFieldLeft, top, kFieldWidth, kFieldHeight);
    };

    m_comboBanco = new QComboBox(this);
    m_comboBanco->setObjectName(QStringLiteral("ComboBanco"));
    m_comboBanco->setEditable(true);
    m_comboBanco->setInsertPolicy(QComboBox::NoInsert);
    setBold(m_comboBanco);
    setColour(m_comboBanco, QPalette::Text, kNavy);
    place(m_comboBanco, QStringLiteral("Label1"), QStringLiteral("Banco de Dados"));

    m_edEmpresa = new ui::TNumEdit(this);
    m_edEmpresa->setObjectName(QStringLiteral("edEmpresa"));
    m_edEmpresa->setDecimals(0);
    m_edEmpresa->setAlignment(Qt::AlignHCenter);
    m_edEmpresa->setValidator(new TypedLength(2, m_edEmpresa));
    m_edEmpresa->setMinValue(1);
    m_edEmpresa->setMaxValue(99);
    m_edEmpresa->setShowSeparator(true);
    place(m_edEmpresa, QStringLiteral("Label2"), QStringLiteral("Empresa"));

    m_edUsuario = new QLineEdit(this);
    m_edUsuario->setObjectName(QStringLiteral("edUsuario"));
    m_edUsuario->setValidator(new UpperCase(m_edUsuario));
    place(m_edUsuario, QStringLiteral("Label3"), QStringLiteral("Usuário"));

    m_edSenha = new QLineEdit(this);
    m_edSenha->setObjectName(QStringLiteral("edSenha"));
    m_edSenha->setEchoMode(QLineEdit::Password);
    m_edSenha->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    place(m_edSenha, QStringLiteral("Label4"), QStringLiteral("Senha"));

    setTabOrder(m_comboBanco, m_edEmpresa);
    setTabOrder(m_edEmpresa, m_edUsuario);
    setTabOrder(m_edUsuario, m_edSenha);

    auto button = [this](const QString& name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFlat(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        setBold(b);
        setColour(b, QPalette::ButtonText, kNavy);
        b->setGeometry(left, kRowTop + 4 * kRowHeight + 8, 90, 26);
        return b;
    };
    m_bLogin = button(QStringLiteral("b_login"), QStringLiteral("&Login"), kFieldLeft + kFieldWidth - 190);
    m_bCancela =
        button(QStringLiteral("b_cancela"), QStringLiteral("&Cancela"), kFieldLeft + kFieldWidth - 90);
    connect(m_bLogin, &QPushButton::clicked, this, ui::guardedSlot(this, &TF_login::b_loginClick));
    connect(m_bCancela, &QPushButton::clicked, this, &TF_login::b_cancelaClick);

    new ui::KeyPreview(this, [this](QKeyEvent* key) { return previewKey(key); });

    if (const QScreen* screen = this->screen()) {
        QRect frame(QPoint(), kWindowSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TF_login::loadSettings(const QString& iniPath)
{
    const VelkoIni ini = VelkoIni::load(iniPath);
    m_comboBanco->setEditText(ini.value(QStringLiteral("SERVER NAME")));
    m_edEmpresa->setText(ini.value(QStringLiteral("DEFAULT COMPANY")));
    m_edSenha->clear();
    if (m_edUsuario->text().isEmpty())
        m_edUsuario->setFocus();
    else
        m_edSenha->setFocus();
}

bool TF_login::previewKey(QKeyEvent* key)
{
    if (!ui::isEnterKey(key))
        return false;
    if (m_edSenha->hasFocus())
        ui::guarded(this, [this] { b_loginClick(); });
    if (isVisible())
        focusNextPrevChild(true);
    return true;
}

void TF_login::b_loginClick()
{
    if (!m_bLogin->isEnabled())
        return; // a login is under way
    m_bLogin->setEnabled(false);
    m_bCancela->setEnabled(false);
    try {
        try {
            setFlags(logIn(m_library.connection(), {m_comboBanco->currentText(), m_edUsuario->text(),
                                                    m_edSenha->text(), m_edEmpresa->text()}));
        } catch (const UnregisteredUserError&) {
            ui::showMessage(ui::MessageType::Error, ui::MessageButtons::Ok, UnregisteredUserError::message(), this);
            reject();
            return;
        }
    } catch (...) {
        m_bLogin->setEnabled(true);
        m_bCancela->setEnabled(true);
        throw;
    }
    accept();
}

void TF_login::setFlags(const QString& nivelAcesso)
{
    m_menu.user_admin = nivelAcesso == QLatin1String("ADM");
    m_menu.user_custo = nivelAcesso == QLatin1String("CUS");
    m_menu.user_operador = isOperator(nivelAcesso);
}

void TF_login::b_cancelaClick()
{
    reject();
}

void TF_login::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(0, 0, width(), kTopBand, kNavy);
    painter.setPen(QPen(kNavy, kBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(kBorder / 2.0, kBorder / 2.0, -kBorder / 2.0, -kBorder / 2.0));
}

} // namespace custos::app
