#include "platform/DeviceChangeNotifier.h"

DeviceChangeNotifier::DeviceChangeNotifier(QObject* parent) : QObject(parent) {}
