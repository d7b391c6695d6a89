#include "app/status/OsdAnnouncer.h"

#include "platform/OsdClient.h"

OsdClientAnnouncer::OsdClientAnnouncer() : m_pClient(new OsdClient) {}

OsdClientAnnouncer::~OsdClientAnnouncer()
{
    delete m_pClient;
}

void OsdClientAnnouncer::announce(const QString& text, const QColor& colour)
{
    m_pClient->announce(text, colour);
}
