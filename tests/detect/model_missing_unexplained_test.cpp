// A landmark model that cannot be had is reported with the file and the
// package that provides it, at every use; loading never holds up the caller.
#include "detect/detectmessages.h"
#include "detect/landmarkmodel.h"
#include "detect/modelfile.h"
#include "numtext/failure.h"
#include "samplemodel.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace quorvel::testing {
namespace {

std::string FailureOf(LandmarkModel& model) {
    try {
        model.Wait();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(ModelMissing, NamesTheFileAndThePackageAtEveryUse) {
    LandmarkModel model("/nonexistent/shape_predictor.dat");
    const std::string first = FailureOf(model);
    EXPECT_EQ(first, "顔の特徴点ﾓﾃﾞﾙ /nonexistent/shape_predictor.dat がありません"
                     "（ﾊﾟｯｹｰｼﾞ libdlib-data をｲﾝｽﾄｰﾙしてください）");
    EXPECT_TRUE(model.Ready());
    EXPECT_EQ(FailureOf(model), first); // a second command, the same report
}

TEST(ModelMissing, UnreadableFileIsNamed) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("model.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a model");
    file.close();
    LandmarkModel model(path.toStdString());
    EXPECT_EQ(FailureOf(model), "顔の特徴点ﾓﾃﾞﾙ " + path.toStdString() + " は読み込めません");
}

TEST(ModelMissing, VariableNamesTheFileToLoad) {
    ASSERT_EQ(setenv(kModelFileVariable, "/elsewhere/model.dat", 1), 0);
    EXPECT_EQ(LandmarkModelFile(), "/elsewhere/model.dat");
    LandmarkModel model;
    EXPECT_NE(FailureOf(model).find("/elsewhere/model.dat"), std::string::npos);
    ASSERT_EQ(setenv(kModelFileVariable, "", 1), 0);
    EXPECT_EQ(LandmarkModelFile(), kInstalledModelFile);
    ASSERT_EQ(unsetenv(kModelFileVariable), 0);
    EXPECT_EQ(LandmarkModelFile(), kInstalledModelFile);
}

// The real model takes seconds to load: Start must come back long before,
// and commands given while it loads share the one load.
TEST(ModelLoad, StartsWithoutWaitingAndLoadsOnce) {
    LandmarkModel model(kInstalledModelFile);
    EXPECT_FALSE(model.Ready());
    model.Start();
    EXPECT_FALSE(model.Ready());
    model.Start();
    std::vector<const FaceFinder*> finders(3);
    std::vector<std::jthread> waiting;
    for (auto& finder : finders) {
        waiting.emplace_back([&model, &finder] { finder = &model.Wait(); });
    }
    waiting.clear();
    EXPECT_TRUE(model.Ready());
    EXPECT_EQ(finders[0], finders[1]);
    EXPECT_EQ(finders[1], finders[2]);
    EXPECT_GT(model.LoadTime().count(), 0);
}

} // namespace
} // namespace quorvel::testing
