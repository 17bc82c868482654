// Helper of the crash-safety tests: writes a series of generations of integer keys into a settings
// store without end, until the test kills it. Usage: qnt_store_writer KIND FILE KEYS
//   KIND: direct (one store, every write straight to the file), buffered (a new buffered store per
//   generation, written whole when it goes) or registry (the same through the registry stand-in file,
//   whose folder comes from XDG_CONFIG_HOME). Prints "ready" once the first generation is written.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/QNTKITStoreCtrl.h"

int main(int argc, char** argv) {
  using namespace qnt;
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s direct|buffered|registry FILE KEYS\n", argv[0]);
    return 2;
  }
  const char* kind = argv[1];
  const QString file = QString::fromLocal8Bit(argv[2]);
  const int keys = std::atoi(argv[3]);
  const auto makeStore = [&](TQNTRegIniType type) {
    auto store = std::make_unique<TQNTStoreCtrl>();
    store->SetIniFile(file);
    store->SetRegPath(QStringLiteral("\\Software\\Kestrand"));
    store->SetRegIniType(type);
    return store;
  };
  std::unique_ptr<TQNTStoreCtrl> direct;
  if (std::strcmp(kind, "direct") == 0) direct = makeStore(eriIniFile);
  const TQNTRegIniType type = std::strcmp(kind, "registry") == 0 ? eriRegistry : eriBufferedIniFile;
  for (int generation = 1;; ++generation) {
    std::unique_ptr<TQNTStoreCtrl> store = direct ? nullptr : makeStore(type);
    TQNTStoreCtrl& s = direct ? *direct : *store;
    s.OpenStorage();
    for (int k = 0; k < keys; ++k)
      s.WriteInteger(TQNTStoreCtrl::NumberedIdent(QStringLiteral("Key "), k), generation);
    s.CloseStorage();
    store.reset();
    if (generation == 1) {
      std::puts("ready");
      std::fflush(stdout);
    }
  }
}
