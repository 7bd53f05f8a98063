#include "BatchRun.h"

#include "ClientDataSet.h"
#include "CostGeneration.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DatabaseError.h"
#include "DayDatasets.h"
#include "DayOperationValues.h"
#include "ExportToWorkbook.h"
#include "Login.h"
#include "OperationError.h"
#include "PriceList.h"
#include "PricePublisher.h"
#include "Query.h"
#include "TF_Abate.h"
#include "TF_ExportaTabelaPrecos.h"
#include "TF_ExportaTabelaRevenda.h"
#include "TF_IndustrializadoResultado.h"


namespace custos::batch {

namespace {

const QString momentFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The commands that change the day; an operator may only look (history) and export.
bool changesTheDay(Command command)
{
    return command != Command::History && command != Command::Export;
}

QString doneText(Command command)
{
    switch (command) {
    case Command::Generate:
        return QStringLiteral("custo gerado");
    case Command::Close:
        return QStringLiteral("dia fechado");
    case Command::Reopen:
        return QStringLiteral("dia reaberto");
    case Command::History:
        return QStringLiteral("histórico listado");
    case Command::UndoCapture:
        return QStringLiteral("captura de preço desfeita");
    case Command::Export:
        return QStringLiteral("planilha gravada");
    case Command::Publish:
        return QStringLiteral("preços exportados");
    }
    return QStringLiteral("concluído");
}

QString statusText(Status status, Command command)
{
    switch (status) {
    case Status::Done:
        return doneText(command);
    case Status::Refused:
        return QStringLiteral("recusado, nada foi feito");
    case Status::Usage:
    case Status::Failed:
        break;
    }
    return QStringLiteral("falhou");
}

// A message's line breaks (carriage returns) as the terminal's.
QString forTerminal(QString text)
{
    text.replace(u'\r', u'\n');
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QString number(double value)
{
    return QString::number(value, 'f', 0);
}

QString cell(const data::DataSet& dataSet, int row, const char* name)
{
    const QVariant value = dataSet.value(row, dataSet.fieldByName(QString::fromLatin1(name)).index());
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(momentFormat);
    return value.toString();
}

} // namespace

BatchRun::BatchRun(const BatchOptions& options, Account account, QTextStream& out, QTextStream& err)
    : m_options(options), m_account(std::move(account)), m_out(out), m_err(err)
{
}

void BatchRun::printError(const QString& text)
{
    m_out.flush();
    m_err << forTerminal(text) << Qt::endl;
}

dayproc::Notify BatchRun::notifier()
{
    return [this](const dayproc::Notice& notice) {
        if (notice.buttons == dayproc::NoticeButtons::Ok) {
            if (notice.type == dayproc::NoticeType::Error)
                printError(notice.text);
            else
                m_out << forTerminal(notice.text) << Qt::endl;
            return true;
        }
        m_out << forTerminal(notice.text) << Qt::endl;
        if (m_options.yes) {
            m_out << QStringLiteral("--yes: sim") << Qt::endl;
            return true;
        }
        printError(QStringLiteral("Pergunta sem resposta: use --yes para prosseguir. Nada foi feito."));
        return false;
    };
}

Status BatchRun::runUnit(const QString& company)
{
    const Command command = *m_options.command;
    Status status = Status::Failed;
    try {
        session::DBXConnection connection;
        data::TDataModule_Custo module(connection);
        const QString level =
            app::logIn(connection, {m_account.database, m_account.user, m_account.password, company});
        if (app::isOperator(level) && changesTheDay(command)) {
            printError(QStringLiteral("O usuário %1 é operador: pode executar somente history e export.")
                           .arg(connection.param(QStringLiteral("USER_NAME"))));
            status = Status::Refused;
        } else if (!dayproc::databaseAllowed(module, notifier())) {
            status = Status::Refused;
        } else {
            data::Query& getEmpresa = module.query(QStringLiteral("GetEmpresa"));
            getEmpresa.close();
            getEmpresa.open();
            status = runCommand(module, getEmpresa.fieldByName(QStringLiteral("CODIGO_EMPRESA")).asFloat());
        }
    } catch (const app::UnregisteredUserError&) {
        printError(app::UnregisteredUserError::message());
        status = Status::Refused;
    } catch (const server::OperationError& error) {
        printError(error.message());
        status = Status::Refused;
    } catch (const session::DatabaseError& error) {
        printError(error.userText());
        status = error.kind() == session::DatabaseErrorKind::PackageRefusal ? Status::Refused : Status::Failed;
    } catch (const std::exception& error) {
        printError(QString::fromUtf8(error.what()));
        status = Status::Failed;
    }
    m_out << QStringLiteral("Unidade %1, dia %2: %3")
                 .arg(company, m_options.day.toString(Qt::ISODate), statusText(status, command))
          << Qt::endl;
    return status;
}

Status BatchRun::runCommand(data::TDataModule_Custo& module, double unit)
{
    dayproc::openParametros(module, unit, m_options.day);
    if (!dayproc::dayShowsInformation(module, m_options.day, notifier()))
        return Status::Refused;
    dayproc::openDayDatasets(module, unit, m_options.day);
    switch (*m_options.command) {
    case Command::Generate:
        return generate(module, unit);
    case Command::Close:
    case Command::Reopen:
        return closeOrReopen(module, unit);
    case Command::History:
        return history(module, unit);
    case Command::UndoCapture:
        return undoCapture(module, unit);
    case Command::Export:
        return exportResult(module);
    case Command::Publish:
        return publish(module, unit);
    }
    return Status::Usage;
}

Status BatchRun::generate(data::TDataModule_Custo& module, double unit)
{
    if (!dayproc::generationAllowed(module, unit, m_options.day, notifier()))
        return Status::Refused;
    const server::GenerationInput input = dayproc::generationInput(module, unit, m_options.day, dayproc::processingMoment(),
                                                                   m_options.capturePrices);
    server::CostGeneration(module.connection()).run(input, [this](const QString& line) { m_out << line << Qt::endl; });
    return Status::Done;
}

Status BatchRun::closeOrReopen(data::TDataModule_Custo& module, double unit)
{
    const dayproc::ClosingPath wanted =
        m_options.command == Command::Close ? dayproc::ClosingPath::Close : dayproc::ClosingPath::Reopen;
    return dayproc::closeOrReopenDay(module, unit, m_options.day, notifier(), wanted) == dayproc::Outcome::Done
               ? Status::Done
               : Status::Refused;
}

Status BatchRun::history(data::TDataModule_Custo& module, double unit)
{
    if (dayproc::openDayLog(module, unit, m_options.day, notifier())) {
        const data::DataSet& log = module.dataSet(QStringLiteral("CDS_LogCusto"));
        m_out << QStringLiteral("Data\tUsuário\tHistórico") << Qt::endl;
        for (int row = 0; row < log.recordCount(); ++row)
            m_out << cell(log, row, "DATA_HISTORICO") << u'\t' << cell(log, row, "USUARIO") << u'\t'
                  << forTerminal(cell(log, row, "HISTORICO")) << Qt::endl;
    }
    const data::DataSet& captures = dayproc::openDayHistory(module, "HistoricoCusto", unit, m_options.day);
    if (!captures.isEmpty()) {
        m_out << QStringLiteral("Capturas de preço que podem ser desfeitas:") << Qt::endl;
        m_out << QStringLiteral("Data Processamento\tUsuário") << Qt::endl;
        for (int row = 0; row < captures.recordCount(); ++row)
            m_out << cell(captures, row, "DATA_HISTORICO") << u'\t' << cell(captures, row, "USUARIO_HISTORICO")
                  << Qt::endl;
    }
    return Status::Done;
}

Status BatchRun::undoCapture(data::TDataModule_Custo& module, double unit)
{
    const dayproc::Notify notify = notifier();
    if (!dayproc::priceCaptureUndoAllowed(module, notify) || !dayproc::openPriceCaptures(module, unit, m_options.day, notify))
        return Status::Refused;
    const data::DataSet& captures = module.dataSet(QStringLiteral("CDS_HistoricoCusto"));
    const QString wanted = m_options.capture.toString(momentFormat);
    int found = -1;
    for (int row = 0; row < captures.recordCount() && found < 0; ++row) {
        if (cell(captures, row, "DATA_HISTORICO") == wanted)
            found = row;
    }
    if (found < 0) {
        printError(QStringLiteral("Não existe captura de preço de %1 a desfazer neste dia.").arg(wanted));
        return Status::Refused;
    }
    if (!notify({dayproc::NoticeType::Confirmation, dayproc::NoticeButtons::OkCancel, dayproc::priceCaptureUndoQuestion(), {}}))
        return Status::Refused;
    const auto value = [&](const char* name) {
        return captures.value(found, captures.fieldByName(QString::fromLatin1(name)).index());
    };
    try {
        dayproc::undoPriceCapture(module, value("ID_UNIDADE").toDouble(), value("DATA_GERACAO_CUSTO").toDateTime().date(),
                                  value("DATA_HISTORICO").toDateTime());
    } catch (const session::DatabaseError& error) {
        printError(dayproc::priceCaptureUndoFailure(error.userText()));
        return Status::Failed;
    }
    return Status::Done;
}

// CDS_Resultado on the family's row, as the main window positions it for the family's windows;
// false, after the message, when the day has no result of the family.
bool BatchRun::locateFamily(data::TDataModule_Custo& module)
{
    data::ClientDataSet& resultado = module.clientDataSet(QStringLiteral("CDS_Resultado"));
    if (resultado.isActive() && resultado.locate(QStringLiteral("ID_FAMILIA"), *m_options.family))
        return true;
    printError(QStringLiteral("A família %1 não tem resultado de produção neste dia.").arg(number(*m_options.family)));
    return false;
}

// The result window built over the day as the main window opens it, never shown: its show
// step run directly, so that a failure reaches the command instead of a message box.
Status BatchRun::exportResult(data::TDataModule_Custo& module)
{
    const auto write = [this](auto& window) {
        window.FormShow();
        results::writeGridsToWorkbook(m_options.outFile, window.exportedGrids());
    };
    if (m_options.slaughter) {
        if (!dayproc::slaughterLoaded(module, notifier()))
            return Status::Refused;
        results::TF_Abate window(module, m_options.day);
        write(window);
    } else {
        if (!locateFamily(module))
            return Status::Refused;
        results::TF_IndustrializadoResultado window(module, m_options.day);
        write(window);
    }
    m_out << results::workbookWrittenText(m_options.outFile) << Qt::endl;
    return Status::Done;
}

// The table list on the row of the table's number, as the chooser moves it; false, after the
// message, when the kind has no table of that number.
bool BatchRun::chooseTable(data::ClientDataSet& tables)
{
    for (int row = 1; row <= tables.recordCount(); ++row) {
        tables.setRecNo(row);
        if (tables.fieldByName(QStringLiteral("NUMERO")).asFloat() == *m_options.table)
            return true;
    }
    printError(QStringLiteral("A tabela de preço %1 não está entre as tabelas do tipo %2.")
                   .arg(number(*m_options.table), *m_options.kind == int(parameters::TableKind::Custo)
                                                      ? QStringLiteral("Tabela de Custo")
                                                      : QStringLiteral("Tabela Base")));
    return false;
}

// The products ticked, in the list's order as the window writes them: every one, or those of
// the codes named; false, after the message, when a code named is not in the list.
bool BatchRun::tickProducts(const data::DataSet& list, std::vector<parameters::TickedProduct>& ticked)
{
    QStringList unlisted = m_options.products;
    for (int row = 0; row < list.recordCount(); ++row) {
        parameters::TickedProduct product = parameters::listedProduct(list, row);
        if (m_options.allProducts || m_options.products.contains(product.codigoProduto)) {
            unlisted.removeAll(product.codigoProduto);
            ticked.push_back(std::move(product));
        }
    }
    if (unlisted.isEmpty())
        return true;
    printError(QStringLiteral("O produto %1 não está na lista desta exportação para a tabela de preço %2.")
                   .arg(unlisted.first(), number(*m_options.table)));
    return false;
}

// The choices of the price table export window made from the options: the same lists, the
// same statuses and detail text, the same single transaction.
Status BatchRun::publish(data::TDataModule_Custo& module, double unit)
{
    parameters::ExportSource source;
    if (m_options.family) {
        if (!locateFamily(module))
            return Status::Refused;
        const data::DataSet& resultado = module.dataSet(QStringLiteral("CDS_Resultado"));
        source = parameters::TF_ExportaTabelaPrecos::sourceFor(
            {resultado.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat(), m_options.day, *m_options.family,
             resultado.fieldByName(QStringLiteral("FAMILIA")).asString()});
    } else {
        source = parameters::TF_ExportaTabelaRevenda::sourceFor(
            {unit, m_options.day, *m_options.resaleFamily, *m_options.group, {}, {}});
    }

    data::ClientDataSet& tables = parameters::openPriceTables(module, parameters::TableKind(*m_options.kind));
    if (!chooseTable(tables))
        return Status::Refused;
    const parameters::PriceTargets targets = parameters::currentTargets(tables);
    const data::DataSet& list = parameters::openProductList(module, source.listSource(), targets, *m_options.figure);
    std::vector<parameters::TickedProduct> ticked;
    if (!tickProducts(list, ticked))
        return Status::Refused;
    if (ticked.empty()) {
        printError(QStringLiteral("Não há produtos a exportar para a tabela de preço %1.").arg(number(*m_options.table)));
        return Status::Refused;
    }
    if (!notifier()({dayproc::NoticeType::Confirmation, dayproc::NoticeButtons::YesNo,
                     parameters::publicationQuestion(), {}}))
        return Status::Refused;
    const parameters::PublishedCount count = parameters::PricePublisher(module).publish(ticked, targets, source.detalhes);
    m_out << QStringLiteral("Tabela de preço %1: %2 preço(s) atualizado(s), %3 incluído(s).")
                 .arg(number(*m_options.table))
                 .arg(count.updated)
                 .arg(count.inserted)
          << Qt::endl;
    return Status::Done;
}

} // namespace custos::batch
