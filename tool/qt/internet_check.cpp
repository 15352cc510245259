#include "tool/qt/internet_check.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace zelvo {

bool IsOnline() {
  if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
    if (QNetworkInformation* information = QNetworkInformation::instance()) {
      return information->reachability() == QNetworkInformation::Reachability::Online;
    }
  }
  const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
  for (const QNetworkInterface& interface : interfaces) {
    const auto flags = interface.flags();
    if (!flags.testFlag(QNetworkInterface::IsLoopBack) && flags.testFlag(QNetworkInterface::IsUp) &&
        flags.testFlag(QNetworkInterface::IsRunning) && !interface.addressEntries().isEmpty()) {
      return true;
    }
  }
  return false;
}

}  // namespace zelvo
