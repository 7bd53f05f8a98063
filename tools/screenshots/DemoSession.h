#pragma once
// The session and the data module of the tour, connected to the demo database (service CUSTOS,
// user GERENTE, unit 1) on first use, and the demo's last day with slaughter, production and
// resale. Without the demo the tour ends with a message.

#include <DataModule_Custo.h>
#include <Global_Library.h>

#include <QDate>
#include <memory>

namespace custos::screenshots {

struct DemoSession
{
    DemoSession();

    session::Global_Library library;
    std::unique_ptr<data::TDataModule_Custo> module;
    QDate day;
};

DemoSession& demo();

} // namespace custos::screenshots
