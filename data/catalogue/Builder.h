#pragma once
// The building blocks of the dataset definitions of the cost data module: a statement with its
// typed parameters, the four-object chain that shares one stem (query Q_, provider DSP_, client
// dataset CDS_, data source DTS_), field declarations in groups of one kind, width and display
// format, aggregates, and the save map of a provider.
//
// Statements are written as raw literals holding the lines exactly as the system sends them,
// each starting and ending with a line break of the literal's own (not part of the statement);
// they are kept line by line and joined with line breaks when sent.

#include "Binds.h"
#include "RecordStore.h"

#include <initializer_list>

namespace custos::data {

class ClientDataSet;
class DataSet;
class DataSource;
class Provider;
class Query;
class TDataModule_Custo;

namespace catalogue {

using session::BindType;

struct ParameterDecl
{
    const char* name;
    BindType type;
};

struct FieldGroup
{
    FieldKind kind;
    int width; // text width, 0 for none
    const char* displayFormat; // "" for the general format
    std::initializer_list<const char*> names;
};

struct AggregateDecl
{
    const char* name;
    const char* expression;
    const char* displayFormat;
};

struct Chain
{
    Query& query;
    Provider& provider;
    ClientDataSet& dataSet;
    DataSource& source;
};

// Declares each parameter with its type and no value (NULL until a window sets it).
void declareParameters(session::Params& params, std::initializer_list<ParameterDecl> parameters);

// A statement of the module on its connection, named name.
Query& addQuery(TDataModule_Custo& module, const char* name, std::initializer_list<ParameterDecl> parameters,
                const char* statement);
// A data source named name over dataSet.
DataSource& addSource(TDataModule_Custo& module, const char* name, DataSet& dataSet);
// Q_<stem> -> DSP_<stem> -> CDS_<stem> -> DTS_<stem>; table is the provider's table ("" for
// none), the parameters are the query's.
Chain addChain(TDataModule_Custo& module, const char* stem, const char* table,
               std::initializer_list<ParameterDecl> parameters, const char* statement);

void declareFields(DataSet& dataSet, std::initializer_list<FieldGroup> groups);
void addAggregates(ClientDataSet& dataSet, std::initializer_list<AggregateDecl> aggregates);

// The save map of a provider: the one field that finds the row and the fields a save may
// write; every other field is neither.
void saveMap(Provider& provider, const char* identifying, std::initializer_list<const char*> writable);

} // namespace catalogue
} // namespace custos::data
