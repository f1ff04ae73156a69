#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

// The core's tests need no window system; numbers are checked as a German user sees them.
int main(int argc, char **argv)
{
    // the C library too reads German numbers, as on a German desktop
    qputenv("LC_ALL", "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
