// gtest main for core tests: a core application, Brazilian locale, fixed clock.
#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("VEXA_TODAY", qEnvironmentVariableIsSet("VEXA_TODAY") ? qgetenv("VEXA_TODAY") : QByteArray("15/03/2024"));
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
