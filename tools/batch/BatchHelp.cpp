#include "BatchHelp.h"

namespace custos::batch {

QString generalHelp()
{
    return QStringLiteral(
        "Uso: custos-batch [--ini ARQUIVO] [--user NOME] [--unit N]... COMANDO [OPÇÕES]\n"
        "\n"
        "As operações do dia do Varnelle CUSTOS sem as janelas, com as mesmas regras e mensagens.\n"
        "\n"
        "Comandos:\n"
        "  generate      --day DIA [--no-price-capture]      gera o custo do dia\n"
        "  close         --day DIA [--yes]                   fecha o dia\n"
        "  reopen        --day DIA [--yes]                   reabre o dia\n"
        "  history       --day DIA                           histórico de geração e fechamento\n"
        "  undo-capture  --day DIA --capture 'AAAA-MM-DD HH:MM:SS' [--yes]\n"
        "                                                    desfaz uma captura de preço\n"
        "  export        --day DIA (--slaughter | --family ID) --out ARQUIVO.xlsx\n"
        "                                                    exporta o resultado para planilha\n"
        "  publish       --day DIA (--family ID | --resale-family F --group G)\n"
        "                --kind cost|base --figure 0|1|2 --table NÚMERO\n"
        "                (--all | --products CÓDIGO,CÓDIGO...) [--yes]\n"
        "                                                    exporta custos para tabela de preço\n"
        "\n"
        "Opções gerais:\n"
        "  --ini ARQUIVO   o velko.ini a ler (sem ela, o que está ao lado do programa)\n"
        "  --user NOME     o usuário do banco (sem ela, a chave \"USER NAME\" do velko.ini)\n"
        "  --unit N        a unidade (empresa); repetida, o comando roda para cada uma, e a falha\n"
        "                  de uma não impede a seguinte; sem ela, a \"DEFAULT COMPANY\" do velko.ini\n"
        "  --help          esta ajuda; COMANDO --help mostra a ajuda do comando\n"
        "\n"
        "DIA é uma data AAAA-MM-DD, today ou yesterday. A senha vem da variável de ambiente\n"
        "CUSTOS_PASSWORD ou é pedida no terminal, sem eco; nunca na linha de comando.\n"
        "Onde a janela faz uma pergunta, o comando a mostra e nada faz sem --yes.\n"
        "\n"
        "Saída: as linhas do log da geração à medida que cada passo começa e uma linha de resumo\n"
        "por unidade na saída padrão; os erros, com a mensagem do banco, na saída de erros.\n"
        "Situação de saída: 0 todas as unidades concluídas; 1 uma regra recusou a operação;\n"
        "2 erro de uso; 3 erro do banco de dados ou da conexão (a maior entre as unidades).\n"
        "\n"
        "Exemplos:\n"
        "  CUSTOS_PASSWORD=... custos-batch --user ANALISTA --unit 1 --unit 2 generate --day yesterday\n"
        "  custos-batch --user GERENTE close --day 2024-03-15 --yes\n"
        "  custos-batch --user OPERADOR history --day today\n"
        "  custos-batch --user OPERADOR export --day yesterday --slaughter --out abate.xlsx\n"
        "  custos-batch publish --day yesterday --family 30 --kind cost --figure 2 --table 900 --all --yes\n");
}

QString commandHelp(Command command)
{
    switch (command) {
    case Command::Generate:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] generate --day DIA [--no-price-capture]\n"
            "\n"
            "Gera o custo do dia como o botão \"&Gerar\": recusa um dia fechado e um dia com\n"
            "fechamentos posteriores; pela unidade com database link, envia parâmetros, gera na\n"
            "unidade e traz os resultados. --no-price-capture desmarca \"Capturar e sobrepor preço\n"
            "médio\".\n"
            "\n"
            "Exemplo (todas as noites, o dia anterior das unidades 1 e 2):\n"
            "  custos-batch --unit 1 --unit 2 generate --day yesterday\n");
    case Command::Close:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] close --day DIA [--yes]\n"
            "\n"
            "Fecha o dia como o botão \"&Fechar\", com as mesmas verificações na mesma ordem (aviso\n"
            "da produção, datas anteriores sem fechamento, ordens de produção e de compra não\n"
            "processadas). A pergunta de confirmação e a das ordens de compra só seguem com --yes.\n"
            "\n"
            "Exemplo:\n"
            "  custos-batch --user GERENTE close --day 2024-03-15 --yes\n");
    case Command::Reopen:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] reopen --day DIA [--yes]\n"
            "\n"
            "Reabre o dia como o botão \"&Reabrir\": recusa quando há fechamentos posteriores; a\n"
            "pergunta de confirmação só segue com --yes.\n"
            "\n"
            "Exemplo:\n"
            "  custos-batch --user GERENTE reopen --day 2024-03-15 --yes\n");
    case Command::History:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] history --day DIA\n"
            "\n"
            "Mostra o histórico de geração e fechamento do dia (data, usuário, histórico) e as\n"
            "capturas de preço que ainda podem ser desfeitas, com o momento a dar a undo-capture.\n"
            "\n"
            "Exemplo:\n"
            "  custos-batch --user OPERADOR history --day yesterday\n");
    case Command::UndoCapture:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] undo-capture --day DIA --capture 'AAAA-MM-DD HH:MM:SS' [--yes]\n"
            "\n"
            "Desfaz a captura de preço daquele momento (veja history), como \"Desfazer Captura de\n"
            "Preço\": recusa quando algum processo do dia está fechado; a confirmação só segue com\n"
            "--yes.\n"
            "\n"
            "Exemplo:\n"
            "  custos-batch undo-capture --day 2024-03-15 --capture '2024-03-16 06:10:00' --yes\n");
    case Command::Export:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] export --day DIA (--slaughter | --family ID) --out ARQUIVO.xlsx\n"
            "\n"
            "Grava em ARQUIVO.xlsx a planilha que \"Exportar\" > \"Excel\" grava na janela do resultado\n"
            "do abate (--slaughter: Matéria-Prima, Custo-Produtos, Resultado-Projetado) ou do resultado\n"
            "da produção da família ID (--family: Matéria-Prima, Insumos, Resultado-Projetado,\n"
            "Custo-Produtos), sem abrir janela. Um arquivo com o mesmo nome é substituído só quando a\n"
            "planilha fica completa. O operador também pode exportar.\n"
            "\n"
            "Exemplos:\n"
            "  custos-batch export --day yesterday --slaughter --out abate.xlsx\n"
            "  custos-batch --unit 2 export --day 2024-03-15 --family 40 --out linguicas.xlsx\n");
    case Command::Publish:
        return QStringLiteral(
            "Uso: custos-batch [opções gerais] publish --day DIA (--family ID | --resale-family F --group G)\n"
            "         --kind cost|base --figure 0|1|2 --table NÚMERO (--all | --products CÓDIGO,CÓDIGO...) [--yes]\n"
            "\n"
            "Exporta custos para uma tabela de preço como \"Exportar\" > \"Tabela de Preços\": a lista de\n"
            "produtos da família de produção ID (--family) ou da família F e grupo G da revenda\n"
            "(--resale-family, --group), com as mesmas ações (Incluir, Atualizar, Nenhuma), o mesmo texto\n"
            "de detalhes e uma única transação: se o banco recusar um preço, nenhum é gravado.\n"
            "\n"
            "  --kind cost|base   \"Tipo de Tabela\": Tabela de Custo ou Tabela Base\n"
            "  --figure 0|1|2     \"Valor Referência\": 0 matéria-prima (compra), 1 produto acabado\n"
            "                     (revenda), 2 custo total\n"
            "  --table NÚMERO     o número da tabela de preço, entre as do tipo escolhido\n"
            "  --all              todos os produtos da lista (\"Marcar todas\")\n"
            "  --products C,C...  só os produtos destes códigos\n"
            "\n"
            "A pergunta de confirmação só segue com --yes. O operador não pode exportar para tabela de\n"
            "preço.\n"
            "\n"
            "Exemplos:\n"
            "  custos-batch publish --day yesterday --family 30 --kind cost --figure 2 --table 900 --all --yes\n"
            "  X"
            "      --table 100 --products 70010,70020 --yes\n");
    }
    return generalHelp();
}

} // namespace custos::batch
