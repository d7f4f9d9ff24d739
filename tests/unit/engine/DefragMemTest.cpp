#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/DefragMem.h"
#include "fakes/Errors.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using engine::TDefragMem;

namespace {

struct EngineRig {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "MainForm"};
  fakes::FakeMemory memory;
  fakes::FakeBlocks blocks;
  std::vector<std::string> events;
  std::vector<int> progress;
  TDefragMem* engine;

  EngineRig() {
    memory.SetMb(256, 100);
    engine = &window.Add<TDefragMem>("DefragMem", memory, blocks);
    engine->OnBeforeDefrag = [this] { events.push_back("before"); };
    engine->OnProgress = [this](int p) {
      progress.push_back(p);
      events.push_back("progress");
    };
    engine->OnAfterDefrag = [this] {
      events.push_back(engine->Busy() ? "after-busy" : "after");
    };
  }
};

}  // namespace

TEST(DefragMem, CapturesInstalledMemoryOnceAndReadsFreeMemoryLive) {
  EngineRig rig;
  EXPECT_EQ(rig.engine->TotalMemory(), 256 << 20);
  rig.memory.SetMb(512, 300);
  EXPECT_EQ(rig.engine->TotalMemory(), 256 << 20);
  EXPECT_EQ(rig.engine->FreeMemory(), 300 << 20);
  rig.memory.SetMb(512, 301);
  EXPECT_EQ(rig.engine->FreeMemory(), 301 << 20);
}

TEST(DefragMem, ProgressSequences) {
  {
    EngineRig rig;
    EXPECT_OK(rig.engine->Defrag(1));
    EXPECT_EQ(rig.events, (std::vector<std::string>{"before", "progress", "progress", "after"}));
    EXPECT_EQ(rig.progress, (std::vector<int>{50, 100}));
  }
  {
    EngineRig rig;
    EXPECT_OK(rig.engine->Defrag(3));
    EXPECT_EQ(rig.progress, (std::vector<int>{17, 33, 50, 67, 83, 100}));
  }
  {
    EngineRig rig;
    EXPECT_OK(rig.engine->Defrag(8));
    EXPECT_EQ(rig.progress,
              (std::vector<int>{6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100}));
    EXPECT_EQ(rig.blocks.commits, 8);
    EXPECT_EQ(rig.blocks.releases, 8);
    EXPECT_TRUE(rig.blocks.held.empty());
    EXPECT_FALSE(rig.blocks.badRelease);
  }
}

TEST(DefragMem, ARunIsCappedAt1024Blocks) {
  EngineRig rig;
  size_t peak = 0;
  rig.engine->OnProgress = [&](int p) {
    peak = std::max(peak, rig.blocks.held.size());
    rig.progress.push_back(p);
  };
  EXPECT_OK(rig.engine->Defrag(5000));
  EXPECT_EQ(rig.blocks.commits, 1024);
  EXPECT_EQ(peak, 1024u);
  EXPECT_EQ(rig.progress.size(), 2048u);
  EXPECT_EQ(rig.progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(rig.progress.begin(), rig.progress.end()));
  EXPECT_TRUE(rig.blocks.held.empty());
}

TEST(DefragMem, EveryBlockIsZeroFilledBeforeRelease) {
  EngineRig rig;
  bool allZero = true;
  rig.engine->OnProgress = [&](int p) {
    if (p <= 50) allZero = allZero && rig.blocks.HeldBlocksAreZero();
  };
  EXPECT_OK(rig.engine->Defrag(4));
  EXPECT_TRUE(allZero);
}

TEST(DefragMem, NothingRequestedStillFiresBeforeAndAfter) {
  for (int mb : {0, -3}) {
    EngineRig rig;
    EXPECT_OK(rig.engine->Defrag(mb));
    EXPECT_EQ(rig.events, (std::vector<std::string>{"before", "after"}));
    EXPECT_EQ(rig.blocks.commits, 0);
  }
}

TEST(DefragMem, AbortInTheCommitPhaseReleasesWhatWasCommitted) {
  EngineRig rig;
  rig.engine->OnProgress = [&](int p) {
    rig.progress.push_back(p);
    if (rig.progress.size() == 3) rig.engine->Abort();
  };
  EXPECT_OK(rig.engine->Defrag(10));
  EXPECT_EQ(rig.progress.size(), 3u);
  EXPECT_EQ(rig.blocks.commits, 3);
  EXPECT_EQ(rig.blocks.releases, 3);
  EXPECT_EQ(rig.events.back(), "after");
  EXPECT_FALSE(rig.engine->Busy());
}

TEST(DefragMem, AbortInTheReleasePhaseReleasesEveryBlockStillHeld) {
  EngineRig rig;
  rig.engine->OnProgress = [&](int p) {
    rig.progress.push_back(p);
    if (rig.progress.size() == 12) rig.engine->Abort();  // two blocks released
  };
  EXPECT_OK(rig.engine->Defrag(10));
  EXPECT_EQ(rig.progress.size(), 12u);
  EXPECT_EQ(rig.blocks.releases, 10);
  EXPECT_TRUE(rig.blocks.held.empty());
  EXPECT_EQ(rig.events.back(), "after");
}

TEST(DefragMem, ReentryIsRefusedAndForgetsAPendingAbort) {
  EngineRig rig;
  int nestedEvents = 0;
  rig.engine->OnProgress = [&](int p) {
    rig.progress.push_back(p);
    if (rig.progress.size() == 2) {
      rig.engine->Abort();
      auto saved = rig.events.size();
      EXPECT_OK(rig.engine->Defrag(5));  // refused: busy; clears the abort request
      nestedEvents += static_cast<int>(rig.events.size() - saved);
    }
  };
  EXPECT_OK(rig.engine->Defrag(4));
  EXPECT_EQ(nestedEvents, 0);
  EXPECT_EQ(rig.progress.size(), 8u);  // the abort was forgotten: the run completed
  EXPECT_EQ(rig.blocks.commits, 4);
}

TEST(DefragMem, BusyIsClearedBeforeTheAfterEventSoItMayStartTheNextRun) {
  EngineRig rig;
  int runs = 0;
  rig.engine->OnAfterDefrag = [&] {
    rig.events.push_back(rig.engine->Busy() ? "after-busy" : "after");
    if (++runs == 1) {
      EXPECT_OK(rig.engine->Defrag(1));
    }
  };
  EXPECT_OK(rig.engine->Defrag(1));
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(std::count(rig.events.begin(), rig.events.end(), "after-busy"), 0);
}

TEST(DefragMem, NoBlockObtainableStillReportsEveryStep) {
  EngineRig rig;
  rig.blocks.limit = 0;
  EXPECT_OK(rig.engine->Defrag(3));
  EXPECT_EQ(rig.progress, (std::vector<int>{17, 33, 50, 67, 83, 100}));
  EXPECT_EQ(rig.blocks.failures, 3);
  EXPECT_EQ(rig.events.back(), "after");
}

TEST(DefragMem, AHandlerErrorGivesEveryBlockBackAndLeavesTheEngineIdle) {
  EngineRig rig;
  rig.engine->OnProgress = [&](int p) -> ui::Status {
    if (p == 50) return ui::Error("boom");
    return {};
  };
  EXPECT_EQ(rig.engine->Defrag(4).Message(), "boom");
  EXPECT_TRUE(rig.blocks.held.empty());
  EXPECT_FALSE(rig.engine->Busy());
  rig.engine->OnProgress = nullptr;
  EXPECT_OK(rig.engine->Defrag(2));
  EXPECT_EQ(rig.blocks.commits, 6);
}
