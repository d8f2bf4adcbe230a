// The coordinate dialog recomputes all three forms on every keystroke.
#include <benchmark/benchmark.h>

#include "geo/Dms.h"
#include "geo/Utm.h"
#include "geo/UtmExact.h"

namespace {

void BM_LatLongToUTM(benchmark::State& state) {
  const vantrel::Ellipsoid& wgs84 = vantrel::Ellipsoids()[0];
  double latitude = 33.732075;
  for (auto _ : state) {
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(vantrel::LatLongToUTM(latitude, -84.90558, wgs84));
  }
}
BENCHMARK(BM_LatLongToUTM);

void BM_UTMToLatLong(benchmark::State& state) {
  const vantrel::Ellipsoid& wgs84 = vantrel::Ellipsoids()[0];
  double northing = 3734419.547;
  for (auto _ : state) {
    benchmark::DoNotOptimize(northing);
    benchmark::DoNotOptimize(vantrel::UTMToLatLong(northing, 694036.968, 16, 0, wgs84));
  }
}
BENCHMARK(BM_UTMToLatLong);

// The exact projection, at the Norway point 4 degrees off its meridian
// where the series above is a decimetre out.
void BM_LatLongToUTMExact(benchmark::State& state) {
  const vantrel::Ellipsoid& wgs84 = vantrel::Ellipsoids()[0];
  double latitude = 60;
  for (auto _ : state) {
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(vantrel::LatLongToUTMExact(latitude, 5, wgs84));
  }
}
BENCHMARK(BM_LatLongToUTMExact);

void BM_UTMToLatLongExact(benchmark::State& state) {
  const vantrel::Ellipsoid& wgs84 = vantrel::Ellipsoids()[0];
  double northing = 6658157.202;
  for (auto _ : state) {
    benchmark::DoNotOptimize(northing);
    benchmark::DoNotOptimize(vantrel::UTMToLatLongExact(northing, 276979.926, 32, 0, wgs84));
  }
}
BENCHMARK(BM_UTMToLatLongExact);

void BM_DecimalToDMSAndBack(benchmark::State& state) {
  double value = -84.90558;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(vantrel::DMSToDecimal(vantrel::DecimalToDMS(value)));
  }
}
BENCHMARK(BM_DecimalToDMSAndBack);

}  // namespace
