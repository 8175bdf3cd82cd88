// Window tests run offscreen in a real QApplication.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

#include "app/application_setup.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The tests' numbers are written in English; those of other locales say which they are in.
  qputenv("LC_ALL", "C");
  QApplication app(argc, argv);
  // A desktop's own look, which the program replaces with its one look.
  QApplication::setStyle(QStringLiteral("Windows"));
  app::configureApplication();
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
