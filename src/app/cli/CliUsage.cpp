#include "app/cli/CliUsage.h"

#include <QTextStream>

#ifndef VEXA_VERSION
#define VEXA_VERSION "10.0"
#endif

namespace vexa::cli {

namespace {

// ---- the table -------------------------------------------------------------------

OptionSpec value(const char* name, const char* what, const QString& help) {
    return {QString::fromUtf8(name), QString::fromUtf8(what), help, false, false};
}
OptionSpec required(const char* name, const char* what, const QString& help) {
    return {QString::fromUtf8(name), QString::fromUtf8(what), help, true, false};
}
OptionSpec repeatable(const char* name, const char* what, const QString& help) {
    return {QString::fromUtf8(name), QString::fromUtf8(what), help, false, true};
}
OptionSpec flag(const char* name, const QString& help) { return {QString::fromUtf8(name), {}, help, false, false}; }

const QString kIEHelp = QStringLiteral("Inscrição Estadual do contribuinte, com ou sem pontuação");
const QString kPeriodHelp = QStringLiteral("período de referência, mês e ano");
const QString kYesHelp = QStringLiteral("responde \"Sim\" às perguntas (sem ela, \"Não\")");
const QString kJsonHelp = QStringLiteral("mostra em JSON");
const QString kRevenueHelp = QStringLiteral("código da receita");
const QString kSeqHelp = QStringLiteral("número de sequência do DARE avulso");
const QString kCodeHelp = QStringLiteral("o índice: 4 SELIC, 5 IGP-DI");

OptionSpec ie() { return required("--ie", "IE", kIEHelp); }
OptionSpec period() { return required("--period", "MMAAAA", kPeriodHelp); }
OptionSpec yes() { return flag("--yes", kYesHelp); }
OptionSpec output(const char* what, const QString& help) { return required("-o", what, help); }

QList<CommandSpec> buildTable() {
    QList<CommandSpec> t;
    auto add = [&t](CommandSpec c) { t << std::move(c); };

    // ---- the program folder and its database
    add({QStringLiteral("init"), QStringLiteral("cria a pasta do programa com um banco de dados novo"),
         QStringLiteral("Cria o banco de dados com as tabelas e os dados de referência entregues e copia os arquivos "
                        "entregues (páginas de ajuda, lista de índices, figuras) para a pasta do programa, criando a "
                        "pasta se ela ainda não existe. Recusa uma pasta que já tem banco de dados, salvo com --force."),
         {},
         {flag("--force", QStringLiteral("substitui o banco de dados que a pasta já tem")),
          value("--postgres", "CONEXÃO", QStringLiteral("cria as tabelas num servidor PostgreSQL (modo escritório)"))},
         true, true});
    add({QStringLiteral("reindex"), QStringLiteral("reconstrói os índices das tabelas (Reindexar Arquivos)"),
         QStringLiteral("Apaga e recria os índices de todas as tabelas segundo a lista VexaIdx90.ini da pasta do programa."),
         {}, {}});
    add({QStringLiteral("move-to-postgres"), QStringLiteral("passa o banco de dados para um servidor PostgreSQL"),
         QStringLiteral("Copia todas as tabelas do banco de dados da pasta do programa para o servidor PostgreSQL "
                        "indicado, que passa a ser o banco de dados da pasta (modo escritório)."),
         {QStringLiteral("CONEXÃO")}, {}});

    // ---- registries
    add({QStringLiteral("taxpayer"), QStringLiteral("contribuintes: add, list, show, delete"), {}, {}, {}});
    add({QStringLiteral("taxpayer add"), QStringLiteral("cadastra um contribuinte ou altera o já cadastrado"),
         QStringLiteral("Os valores passam pelas mesmas verificações da tela de contribuintes, na mesma ordem; o que "
                        "faltar é recusado com a mensagem da tela."),
         {},
         {value("--ie", "IE", kIEHelp), value("--name", "NOME", QStringLiteral("nome ou razão social")),
          value("--doc", "CNPJ_OU_CPF", QStringLiteral("CNPJ ou CPF")),
          value("--activity", "CÓDIGO", QStringLiteral("atividade econômica principal (CNAE)")),
          value("--uf", "UF", QStringLiteral("sigla do estado")),
          value("--municipality", "CÓDIGO", QStringLiteral("código do município")),
          value("--email", "EMAIL", QStringLiteral("e-mail do contribuinte")),
          value("--password", "SENHA", QStringLiteral("senha")),
          value("--regime", "N|S", QStringLiteral("regime de tributação: N normal, S Simples Nacional")),
          value("--kind", "U|M|F", QStringLiteral("estabelecimento: U único, M matriz, F filial")),
          value("--books", "F|C", QStringLiteral("escrituração: F fiscal, C contábil")),
          flag("--tare", QStringLiteral("portador de TARE")), flag("--ecf", QStringLiteral("usuário de ECF"))}});
    add({QStringLiteral("taxpayer list"), QStringLiteral("lista os contribuintes"), {}, {}, {}});
    add({QStringLiteral("taxpayer show"), QStringLiteral("mostra um contribuinte"), {}, {QStringLiteral("IE")}, {}});
    add({QStringLiteral("taxpayer delete"), QStringLiteral("exclui um contribuinte sem VEXA"), {},
         {QStringLiteral("IE")}, {yes()}});

    add({QStringLiteral("accountant"), QStringLiteral("contabilistas: add, list, delete"), {}, {}, {}});
    add({QStringLiteral("accountant add"), QStringLiteral("cadastra um contabilista ou altera o já cadastrado"), {}, {},
         {value("--crc", "CRC", QStringLiteral("número do CRC")),
          value("--uf", "UF", QStringLiteral("estado do CRC")),
          value("--name", "NOME", QStringLiteral("nome")), value("--cpf", "CPF", QStringLiteral("CPF")),
          value("--email", "EMAIL", QStringLiteral("e-mail")),
          value("--phone", "TELEFONE", QStringLiteral("telefone"))}});
    add({QStringLiteral("accountant list"), QStringLiteral("lista os contabilistas"), {}, {}, {}});
    add({QStringLiteral("accountant delete"), QStringLiteral("exclui um contabilista"), {},
         {QStringLiteral("CRC"), QStringLiteral("UF")}, {yes()}});

    // ---- declarations
    add({QStringLiteral("declaration"), QStringLiteral("VEXAs cadastradas: list, show"), {}, {}, {}});
    add({QStringLiteral("declaration list"), QStringLiteral("lista as VEXAs (IE, período, retificação, razão social)"),
         {}, {}, {value("--period", "MMAAAA", QStringLiteral("só as do período"))}});
    add({QStringLiteral("declaration show"), QStringLiteral("mostra os campos e os itens calculados de uma VEXA"),
         QStringLiteral("Sem --ret, a última retificação do período."), {},
         {ie(), period(), value("--ret", "RR", QStringLiteral("número da retificação")), flag("--json", kJsonHelp)}});
    add({QStringLiteral("rectify"), QStringLiteral("gera a VEXA retificadora de um período"), {}, {}, {ie(), period()}});

    // ---- the declaration file
    add({QStringLiteral("import"), QStringLiteral("importa o arquivo do sistema de contabilidade"),
         QStringLiteral("Imprime a resposta de cada VEXA à medida que é lida. Saída 0 todas importadas; 1 alguma "
                        "recusada ou já importada, ou a leitura parou num período anterior a 01/2009; 2 o arquivo "
                        "recusado por inteiro ou a leitura falhou."),
         {QStringLiteral("ARQUIVO.txt")}, {}});
    add({QStringLiteral("validate"), QStringLiteral("verifica as VEXAs do período como a cópia, sem gravar arquivo"),
         QStringLiteral("Saída 0 sem divergências, 1 só alertas, 2 erros."), {},
         {period(), repeatable("--ie", "IE", QStringLiteral("só este contribuinte (pode repetir)")),
          value("--report", "ARQUIVO.html", QStringLiteral("onde gravar o relatório (sem ela, vexacriticas.err)")),
          yes()}});
    add({QStringLiteral("export"), QStringLiteral("grava o arquivo de entrega das VEXAs do período"),
         QStringLiteral("Com erros nada é gravado; com alertas, só com --yes."), {},
         {period(), repeatable("--ie", "IE", QStringLiteral("só este contribuinte (pode repetir)")),
          output("ARQUIVO.qx", QStringLiteral("o arquivo de entrega")), yes()}});
    add({QStringLiteral("qx"), QStringLiteral("arquivo de entrega: decode, encode"), {}, {}, {}});
    add({QStringLiteral("qx decode"), QStringLiteral("desfaz as duas compactações de um arquivo de entrega"),
         QStringLiteral("Sem -o, o texto vai para a saída padrão."), {QStringLiteral("ARQUIVO.qx")},
         {value("-o", "TEXTO", QStringLiteral("onde gravar o texto"))}, false});
    add({QStringLiteral("qx encode"), QStringLiteral("compacta um texto em arquivo de entrega"), {},
         {QStringLiteral("TEXTO")}, {output("ARQUIVO.qx", QStringLiteral("o arquivo de entrega"))}, false});

    // ---- payment slips
    add({QStringLiteral("dare"), QStringLiteral("DAREs das VEXAs: issue, show, print, delete; standalone: DAREs avulsos"),
         {}, {}, {}});
    add({QStringLiteral("dare issue"), QStringLiteral("emite o DARE de uma VEXA"),
         QStringLiteral("Os valores a pagar vêm do item 9 da VEXA; juros e correção, dos índices, pela data de "
                        "pagamento."),
         {},
         {ie(), period(), required("--revenue", "CÓDIGO", kRevenueHelp),
          required("--pay-date", "DD/MM/AAAA", QStringLiteral("data do pagamento")),
          value("--doc", "TEXTO", QStringLiteral("documento de origem")),
          repeatable("--obs", "TEXTO", QStringLiteral("linha de observação (pode repetir)"))}});
    add({QStringLiteral("dare show"), QStringLiteral("mostra os valores, o código de barras e a linha digitável"), {},
         {}, {ie(), period(), flag("--json", kJsonHelp)}});
    add({QStringLiteral("dare print"), QStringLiteral("imprime o DARE de uma VEXA em PDF"), {}, {},
         {ie(), period(), output("ARQUIVO.pdf", QStringLiteral("o PDF a gravar"))}});
    add({QStringLiteral("dare delete"), QStringLiteral("exclui o DARE de uma VEXA"), {}, {}, {ie(), period(), yes()}});
    add({QStringLiteral("dare standalone"), QStringLiteral("DAREs avulsos: issue, list, show, print, delete"), {}, {},
         {}});
    add({QStringLiteral("dare standalone issue"), QStringLiteral("emite um DARE avulso"),
         QStringLiteral("Sem --seq, o próximo número de sequência da receita no período."), {},
         {ie(), period(), required("--revenue", "CÓDIGO", kRevenueHelp),
          required("--due-date", "DD/MM/AAAA", QStringLiteral("data de vencimento")),
          required("--value", "VALOR", QStringLiteral("valor principal")),
          value("--fine", "VALOR", QStringLiteral("multa")), value("--interest", "VALOR", QStringLiteral("juros")),
          value("--correction", "VALOR", QStringLiteral("correção monetária")),
          required("--doc-name", "NOME", QStringLiteral("nome de quem paga")),
          value("--doc-number", "N", QStringLiteral("número do documento")),
          value("--doc-text", "TEXTO", QStringLiteral("texto do documento")),
          repeatable("--obs", "TEXTO", QStringLiteral("linha de observação (pode repetir)")),
          value("--seq", "N", kSeqHelp)}});
    add({QStringLiteral("dare standalone list"), QStringLiteral("lista os DAREs avulsos"), {}, {},
         {value("--ie", "IE", QStringLiteral("só os deste contribuinte")),
          value("--period", "MMAAAA", QStringLiteral("só os do período"))}});
    add({QStringLiteral("dare standalone show"), QStringLiteral("mostra um DARE avulso"), {}, {},
         {ie(), period(), required("--revenue", "CÓDIGO", kRevenueHelp), required("--seq", "N", kSeqHelp),
          flag("--json", kJsonHelp)}});
    add({QStringLiteral("dare standalone print"), QStringLiteral("imprime um DARE avulso em PDF"), {}, {},
         {ie(), period(), required("--revenue", "CÓDIGO", kRevenueHelp), required("--seq", "N", kSeqHelp),
          output("ARQUIVO.pdf", QStringLiteral("o PDF a gravar"))}});
    add({QStringLiteral("dare standalone delete"), QStringLiteral("exclui um DARE avulso"), {}, {},
         {ie(), period(), required("--revenue", "CÓDIGO", kRevenueHelp), required("--seq", "N", kSeqHelp), yes()}});

    // ---- printing
    add({QStringLiteral("print"), QStringLiteral("impressão em PDF: declaration, dare"), {}, {}, {}});
    add({QStringLiteral("print declaration"), QStringLiteral("imprime uma VEXA"),
         QStringLiteral("Sem --ret, a última retificação do período."), {},
         {ie(), period(), value("--ret", "RR", QStringLiteral("número da retificação")),
          output("ARQUIVO.pdf", QStringLiteral("o PDF a gravar"))}});
    add({QStringLiteral("print dare"), QStringLiteral("imprime todos os DAREs das VEXAs do período"), {}, {},
         {period(), value("--ie", "IE", QStringLiteral("só os deste contribuinte")),
          output("ARQUIVO.pdf", QStringLiteral("o PDF a gravar"))}});

    // ---- economic indices
    add({QStringLiteral("indices"), QStringLiteral("índices SELIC e IGP-DI: list, add, import, update-selic"), {}, {},
         {}});
    add({QStringLiteral("indices list"), QStringLiteral("lista os valores de um índice"), {}, {},
         {required("--code", "4|5", kCodeHelp)}});
    add({QStringLiteral("indices add"), QStringLiteral("grava o valor de um índice numa data"), {}, {},
         {required("--code", "4|5", kCodeHelp), required("--date", "DD/MM/AAAA", QStringLiteral("data do valor")),
          required("--value", "VALOR", QStringLiteral("valor do índice"))}});
    add({QStringLiteral("indices import"), QStringLiteral("importa os valores de um índice de um arquivo CSV"), {},
         {QStringLiteral("ARQUIVO.csv")}, {required("--code", "4|5", kCodeHelp)}});
    add({QStringLiteral("indices update-selic"), QStringLiteral("atualiza a SELIC pelo serviço web da KORVA"), {}, {},
         {value("--url", "URL", QStringLiteral("endereço do serviço (sem ela, o de Configuracoes.ini)"))}});

    // ---- backup and the previous version
    add({QStringLiteral("backup"), QStringLiteral("grava a cópia de segurança do banco de dados"), {}, {},
         {output("ARQUIVO.bak", QStringLiteral("o arquivo da cópia"))}});
    add({QStringLiteral("restore"), QStringLiteral("restaura o banco de dados de uma cópia de segurança"), {},
         {QStringLiteral("ARQUIVO.bak")}, {yes()}});
    add({QStringLiteral("import-previous"),
         QStringLiteral("importa contribuintes, contabilistas e VEXAs da versão anterior"),
         QStringLiteral("PASTA é a pasta das tabelas da versão anterior."), {QStringLiteral("PASTA")}, {}});
    return t;
}

// ---- reading a command line ---------------------------------------------------------

bool isHelp(const QString& a) { return a == QLatin1String("--help") || a == QLatin1String("-h"); }
bool looksLikeOption(const QString& a) { return a.size() > 1 && a.startsWith(QLatin1Char('-')); }

CommandLine refused(const CommandSpec* command, const QString& why) {
    CommandLine line;
    line.kind = CommandLine::Refused;
    line.command = command;
    line.error = why;
    return line;
}

// The options and arguments after the command's words.
CommandLine readCommand(const CommandSpec& c, const QStringList& rest, CommandLine line) {
    QStringList seen;
    QStringList positional;
    for (int i = 0; i < rest.size(); ++i) {
        const QString& a = rest[i];
        if (!looksLikeOption(a)) {
            positional << a;
            line.arguments << a;
            continue;
        }
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        const QString name = eq > 0 ? a.left(eq) : a;
        const OptionSpec* o = c.option(name);
        if (!o) return refused(&c, QStringLiteral("opção desconhecida: %1").arg(name));
        // --yes may stand before the command or among its options, not both.
        if ((seen.contains(name) && !o->repeatable) || (name == QLatin1String("--yes") && line.yes))
            return refused(&c, QStringLiteral("a opção %1 foi informada mais de uma vez").arg(name));
        seen << name;
        if (o->isFlag()) {
            if (eq > 0) return refused(&c, QStringLiteral("a opção %1 não leva valor").arg(name));
            if (name == QLatin1String("--yes")) line.yes = true;
            else line.arguments << name;
            continue;
        }
        QString v;
        if (eq > 0) {
            v = a.mid(eq + 1);
        } else {
            // The next word is the value, unless there is none or it is one of
            // the command's own options: then the value was left out.
            const QString next = i + 1 < rest.size() ? rest[i + 1] : QString();
            const QString nextName = next.left(next.indexOf(QLatin1Char('=')));
            if (i + 1 >= rest.size() || (looksLikeOption(next) && (c.option(nextName) || isHelp(next))))
                return refused(&c, QStringLiteral("falta o valor da opção %1 (%2)").arg(name, o->value));
            v = next;
            ++i;
        }
        if (looksLikeOption(v)) line.arguments << name + QLatin1Char('=') + v;
        else line.arguments << name << v;
    }
    for (const OptionSpec& o : c.options)
        if (o.required && !seen.contains(o.name))
            return refused(&c, QStringLiteral("falta a opção %1 %2").arg(o.name, o.value));
    if (positional.size() < c.arguments.size())
        return refused(&c, QStringLiteral("falta o argumento %1").arg(c.arguments[positional.size()]));
    if (positional.size() > c.arguments.size())
        return refused(&c, QStringLiteral("argumento a mais: %1").arg(positional[c.arguments.size()]));
    line.kind = CommandLine::Run;
    line.command = &c;
    return line;
}

// Pieces joined by blanks, in lines of at most width characters; the lines
// after the first begin with indent.
QString wrapped(const QStringList& pieces, int width, const QString& indent) {
    QStringList lines;
    QString current;
    for (const QString& piece : pieces) {
        if (current.isEmpty()) {
            current = piece;
        } else if (current.size() + 1 + piece.size() > width) {
            lines << current;
            current = indent + piece;
        } else {
            current += QLatin1Char(' ') + piece;
        }
    }
    if (!current.isEmpty()) lines << current;
    return lines.join(QLatin1Char('\n'));
}

QString paragraph(const QString& text) { return wrapped(text.split(QLatin1Char(' '), Qt::SkipEmptyParts), 100, {}); }

QString usageOf(const CommandSpec& c) {
    return wrapped(QStringList{QStringLiteral("uso:")} + c.usagePieces(), 100, QStringLiteral("          "));
}

} // namespace

const OptionSpec* CommandSpec::option(const QString& name) const {
    for (const OptionSpec& o : options)
        if (o.name == name) return &o;
    return nullptr;
}

QStringList CommandSpec::usagePieces() const {
    QStringList u{QStringLiteral("vexa-cli"), QStringLiteral("[--home PASTA]"), path};
    if (isGroup(path)) return u << QStringLiteral("SUBCOMANDO ...");
    for (const OptionSpec& o : options) {
        QString one = o.isFlag() ? o.name : o.name + QLatin1Char(' ') + o.value;
        if (!o.required) one = QLatin1Char('[') + one + QLatin1Char(']');
        if (o.repeatable) one += QStringLiteral("...");
        u << one;
    }
    return u << arguments;
}

QString CommandSpec::usageLine() const { return usagePieces().join(QLatin1Char(' ')); }

const QList<CommandSpec>& commandTable() {
    static const QList<CommandSpec> table = buildTable();
    return table;
}

const CommandSpec* findCommand(const QString& path) {
    for (const CommandSpec& c : commandTable())
        if (c.path == path) return &c;
    return nullptr;
}

QList<const CommandSpec*> subcommands(const QString& path) {
    const int depth = path.isEmpty() ? 1 : int(path.count(QLatin1Char(' '))) + 2;
    QList<const CommandSpec*> below;
    for (const CommandSpec& c : commandTable())
        if (int(c.words().size()) == depth && (path.isEmpty() || c.path.startsWith(path + QLatin1Char(' '))))
            below << &c;
    return below;
}

bool isGroup(const QString& path) { return !subcommands(path).isEmpty(); }

CommandLine parseCommandLine(const QStringList& args) {
    QStringList words = args;
    const bool help = words.removeIf(isHelp) > 0;

    CommandLine line;
    bool version = false;
    int i = 0;
    // The global options before the command.
    for (; i < words.size() && looksLikeOption(words[i]); ++i) {
        const QString& a = words[i];
        if (a == QLatin1String("--home")) {
            if (i + 1 >= words.size()) {
                if (help) continue;
                return refused(nullptr, QStringLiteral("falta o valor da opção --home (PASTA)"));
            }
            if (line.home && !help) return refused(nullptr, QStringLiteral("a opção --home foi informada mais de uma vez"));
            line.home = words[++i];
        } else if (a.startsWith(QLatin1String("--home="))) {
            if (line.home && !help) return refused(nullptr, QStringLiteral("a opção --home foi informada mais de uma vez"));
            line.home = a.mid(7);
        } else if (a == QLatin1String("--yes")) {
            if (line.yes && !help) return refused(nullptr, QStringLiteral("a opção --yes foi informada mais de uma vez"));
            line.yes = true;
        } else if (a == QLatin1String("--version")) {
            version = true;
        } else if (!help) {
            return refused(nullptr, QStringLiteral("opção desconhecida: %1").arg(a.left(a.indexOf(QLatin1Char('=')))));
        }
    }

    // The command's words, as deep as the table goes.
    const CommandSpec* command = nullptr;
    QString path;
    while (i < words.size() && (path.isEmpty() || isGroup(path))) {
        const QString next = path.isEmpty() ? words[i] : path + QLatin1Char(' ') + words[i];
        const CommandSpec* found = findCommand(next);
        if (!found) {
            if (looksLikeOption(words[i])) break;
            return refused(command, command ? QStringLiteral("subcomando desconhecido: %1").arg(words[i])
                                            : QStringLiteral("comando desconhecido: %1").arg(words[i]));
        }
        command = found;
        path = next;
        ++i;
    }

    if (help) {
        line.kind = CommandLine::Help;
        line.command = command;
        return line;
    }
    if (version) {
        line.kind = CommandLine::Version;
        return line;
    }
    if (!command) return refused(nullptr, QStringLiteral("informe o comando"));
    if (isGroup(path)) {
        return refused(command, QStringLiteral("informe o subcomando"));
    }
    return readCommand(*command, words.mid(i), line);
}

QString helpText(const CommandSpec* c) {
    QString text;
    QTextStream s(&text);
    if (!c) {
        s << "uso: vexa-cli [--home PASTA] [--yes] COMANDO [OPÇÕES] [ARGUMENTOS]\n"
             "     vexa-cli --help | --version | COMANDO --help\n\n"
             "VEXA Eletrônica sem tela: os mesmos cadastros, verificações e arquivos do programa, "
             "sobre a mesma pasta do programa.\n\nComandos:\n";
        for (const CommandSpec* sub : subcommands(QString()))
            s << "  " << sub->path.leftJustified(18) << ' ' << sub->summary << '\n';
        s << "\nOpções gerais (antes do comando):\n"
             "  --home PASTA       a pasta do programa (sem ela, a de VEXA_HOME, senão a do executável)\n"
             "  --yes              responde \"Sim\" às perguntas (sem ela, \"Não\")\n"
             "  -h, --help         mostra a ajuda, do programa ou do comando, sem executar nada\n"
             "  --version          mostra a versão\n\n"
             "As opções podem ser escritas \"--nome valor\" ou \"--nome=valor\".\n"
             "Saída: 0 feito; 1 recusado por uma verificação ou pelo usuário (mensagem impressa);\n"
             "       2 falha ou linha de comando inválida.\n"
             "Use \"vexa-cli COMANDO --help\" para as opções de cada comando.\n";
        return text;
    }
    if (isGroup(c->path)) {
        s << usageOf(*c) << "\n\n" << c->summary << "\n\nSubcomandos:\n";
        for (const CommandSpec& sub : commandTable()) {
            if (!sub.path.startsWith(c->path + QLatin1Char(' ')) || isGroup(sub.path)) continue;
            s << "  " << sub.path.mid(c->path.size() + 1).leftJustified(18) << ' ' << sub.summary << '\n';
        }
        s << "\nUse \"vexa-cli " << c->path << " SUBCOMANDO --help\" para as opções de cada um.\n";
        return text;
    }
    s << usageOf(*c) << "\n\n" << c->summary.left(1).toUpper() << c->summary.mid(1) << ".\n";
    if (!c->description.isEmpty()) s << '\n' << paragraph(c->description) << '\n';
    s << "\nOpções:\n";
    for (const OptionSpec& o : c->options) {
        const QString left = o.isFlag() ? o.name : o.name + QLatin1Char(' ') + o.value;
        s << "  " << left.leftJustified(24) << ' ' << o.help << (o.required ? QStringLiteral(" (obrigatória)") : QString())
          << '\n';
    }
    s << "  " << QStringLiteral("-h, --help").leftJustified(24) << " mostra esta ajuda\n";
    return text;
}

QString usageText(const CommandSpec* c) {
    QString text;
    if (!c) {
        text = QStringLiteral("uso: vexa-cli [--home PASTA] [--yes] COMANDO [OPÇÕES] [ARGUMENTOS]\n");
    } else if (isGroup(c->path)) {
        for (const CommandSpec& sub : commandTable())
            if (sub.path.startsWith(c->path + QLatin1Char(' ')) && !isGroup(sub.path))
                text += usageOf(sub) + QLatin1Char('\n');
    } else {
        text = usageOf(*c) + QLatin1Char('\n');
    }
    return text + QStringLiteral("Use \"vexa-cli %1--help\" para a ajuda.\n")
                      .arg(c ? c->path + QLatin1Char(' ') : QString());
}

QString versionText() {
    return QStringLiteral("vexa-cli (VEXA Eletrônica) versão %1, leiaute do arquivo 10.00\n")
        .arg(QStringLiteral(VEXA_VERSION));
}

} // namespace vexa::cli
