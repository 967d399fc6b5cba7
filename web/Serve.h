#pragma once

#include "StoreAddress.h"

#include <QString>

namespace velmor::results {

// velmor-results serve: the store's read-only web view until a termination signal; the exit
// status. Listens on "ADDRESS:PORT" (port 0: a free one, printed); an address other than
// loopback needs the token file. The models file names the golden units whose drift the pages
// show; a missing one names none. Made in web/, above the commands whose texts and files its
// pages show.
int serveRecords(const StoreAddress& store, const QString& listen, const QString& tokenFile,
                 const QString& modelsFile);

} // namespace velmor::results
