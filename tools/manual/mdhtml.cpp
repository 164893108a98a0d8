// Renders a page of the user manual from Markdown to HTML at build time, with Qt's own Markdown reader:
//   kvq-mdhtml INPUT.md OUTPUT.html
// The first heading becomes the page title. Links and images keep their relative paths.

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // runs in a build without a display
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvq-mdhtml INPUT.md OUTPUT.html\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    const QString markdown = QString::fromUtf8(in.readAll());

    QTextDocument doc;
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    const QRegularExpressionMatch heading =
        QRegularExpression(QStringLiteral("^#\\s+(.+)$"), QRegularExpression::MultilineOption)
            .match(markdown);
    if (heading.hasMatch())
        doc.setMetaInformation(QTextDocument::DocumentTitle, heading.captured(1).trimmed());

    // The page takes the browser's font and width instead of the build machine's default font.
    QString html = doc.toHtml();
    html.replace(QRegularExpression(QStringLiteral("<body style=\"[^\"]*\">")), QStringLiteral("<body>"));
    html.replace(QStringLiteral("</style>"),
                 QStringLiteral(
                     "body { font-family: sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em; }\n"
                     "img { max-width: 100%; }\ntable { border-collapse: collapse; }\n"
                     "td, th { padding: 0.2em 0.5em; }\n</style>"));

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(html.toUtf8()) < 0 || !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
