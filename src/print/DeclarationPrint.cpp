#include "print/DeclarationPrint.h"

#include "common/Clock.h"
#include "common/ProgramSettings.h"
#include "print/DeclarationPages.h"
#include "print/PrintSections.h"
#include "print/PrintSource.h"

#include <QMarginsF>
#include <QPdfWriter>
#include <QSaveFile>

namespace vexa::print {

std::optional<DeclarationPrint> computeDeclarationPrint(const decl::DeclarationKey& key,
                                                        const ProgramFolder& home, QString* error) {
    DeclarationSource source;
    if (!readDeclarationSource(key, source, error)) return std::nullopt;
    return buildDeclarationPrint(source, taxpayerPortalAddress(home), Clock::instance().now());
}

bool writePdf(const QString& path, const PageDrawer& draw, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) *error = QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(path, reason);
        return false;
    };
    if (path.trimmed().isEmpty()) return fail(QStringLiteral("nome de arquivo não informado."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    QString drawError;
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("VEXA Eletrônica"));
        writer.setTitle(QStringLiteral("VEXA Eletrônica"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        drawn = draw(writer, &drawError);
    }
    if (!drawn) {
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return fail(drawError);
    }
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return fail(reason);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

bool writeDeclarationPdf(const DeclarationPrint& print, const QString& path, QString* error) {
    return writePdf(
        path, [&](QPagedPaintDevice& device, QString* e) { return drawDeclaration(print, device, e); },
        error);
}

} // namespace vexa::print
