#include "geo/TransverseMercator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vantrel {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Krueger's coefficients: row j holds the factors of n^1 .. n^6 in the
// coefficient of sin(2 j zeta). They vanish below n^j.
using Series = std::array<std::array<double, 6>, 6>;

constexpr Series kAlpha{{
    {1.0 / 2, -2.0 / 3, 5.0 / 16, 41.0 / 180, -127.0 / 288, 7891.0 / 37800},
    {0, 13.0 / 48, -3.0 / 5, 557.0 / 1440, 281.0 / 630, -1983433.0 / 1935360},
    {0, 0, 61.0 / 240, -103.0 / 140, 15061.0 / 26880, 167603.0 / 181440},
    {0, 0, 0, 49561.0 / 161280, -179.0 / 168, 6601661.0 / 7257600},
    {0, 0, 0, 0, 34729.0 / 80640, -3418889.0 / 1995840},
    {0, 0, 0, 0, 0, 212378941.0 / 319334400},
}};

constexpr Series kBeta{{
    {1.0 / 2, -2.0 / 3, 37.0 / 96, -1.0 / 360, -81.0 / 512, 96199.0 / 604800},
    {0, 1.0 / 48, 1.0 / 15, -437.0 / 1440, 46.0 / 105, -1118711.0 / 3870720},
    {0, 0, 17.0 / 480, -37.0 / 840, -209.0 / 4480, 5569.0 / 90720},
    {0, 0, 0, 4397.0 / 161280, -11.0 / 504, -830251.0 / 7257600},
    {0, 0, 0, 0, 4583.0 / 161280, -108847.0 / 3991680},
    {0, 0, 0, 0, 0, 20648693.0 / 638668800},
}};

std::array<double, 6> Coefficients(const Series& series, double n) {
  std::array<double, 6> out{};
  for (std::size_t j = 0; j < out.size(); ++j) {
    double sum = 0;
    for (std::size_t k = series[j].size(); k-- > 0;) sum = (sum + series[j][k]) * n;
    out[j] = sum;
  }
  return out;
}

// Adds sign * sum_j c_j sin(2 j zeta) to zeta = xi + i eta, by Clenshaw's
// recurrence in complex arithmetic: one sine, cosine and their hyperbolic
// pair instead of six of each.
void AddSineSeries(const std::array<double, 6>& c, double sign, double& xi, double& eta) {
  const double s = std::sin(2 * xi);
  const double co = std::cos(2 * xi);
  const double sh = std::sinh(2 * eta);
  const double ch = std::cosh(2 * eta);
  const double ar = 2 * co * ch;  // 2 cos(2 zeta)
  const double ai = -2 * s * sh;
  double y1r = 0, y1i = 0, y2r = 0, y2i = 0;
  for (std::size_t k = c.size(); k-- > 0;) {
    const double y0r = ar * y1r - ai * y1i - y2r + c[k];
    const double y0i = ar * y1i + ai * y1r - y2i;
    y2r = y1r;
    y2i = y1i;
    y1r = y0r;
    y1i = y0i;
  }
  const double sr = s * ch;  // sin(2 zeta)
  const double si = co * sh;
  xi += sign * (sr * y1r - si * y1i);
  eta += sign * (sr * y1i + si * y1r);
}

}  // namespace

TransverseMercator::TransverseMercator(const Ellipsoid& ellipsoid) {
  const double a = ellipsoid.equatorialRadius;
  const double b = ellipsoid.polarRadius;
  const double n = (a - b) / (a + b);
  const double n2 = n * n;
  e2_ = 1 - (b * b) / (a * a);
  e_ = std::sqrt(e2_);
  radius_ = a / (1 + n) * (1 + n2 * (1.0 / 4 + n2 * (1.0 / 64 + n2 / 256)));
  alpha_ = Coefficients(kAlpha, n);
  beta_ = Coefficients(kBeta, n);
}

double TransverseMercator::ConformalTangent(double tau) const {
  const double tau1 = std::hypot(1.0, tau);
  const double sigma = std::sinh(e_ * std::atanh(e_ * tau / tau1));
  return std::hypot(1.0, sigma) * tau - sigma * tau1;
}

double TransverseMercator::GeodeticTangent(double conformalTau) const {
  if (!std::isfinite(conformalTau)) return conformalTau;
  // Newton's method; from this start it settles in three or four steps.
  const double e2m = 1 - e2_;
  const double tolerance = std::sqrt(std::numeric_limits<double>::epsilon()) / 10;
  double tau = conformalTau / e2m;
  for (int i = 0; i < 8; ++i) {
    const double guess = ConformalTangent(tau);
    const double step = (conformalTau - guess) * (1 + e2m * tau * tau) /
                        (e2m * std::hypot(1.0, tau) * std::hypot(1.0, guess));
    tau += step;
    if (!(std::fabs(step) >= tolerance * std::max(1.0, std::fabs(tau)))) break;
  }
  return tau;
}

TransverseMercator::Plane TransverseMercator::Forward(double latitude, double longitude) const {
  const double lambda = longitude * kDegree;
  const double conformal = ConformalTangent(std::tan(latitude * kDegree));
  const double cosLambda = std::cos(lambda);
  double xi = std::atan2(conformal, cosLambda);
  double eta = std::asinh(std::sin(lambda) / std::hypot(conformal, cosLambda));
  AddSineSeries(alpha_, 1, xi, eta);
  return {radius_ * eta, radius_ * xi};
}

TransverseMercator::Geographic TransverseMercator::Reverse(double x, double y) const {
  double xi = y / radius_;
  double eta = x / radius_;
  AddSineSeries(beta_, -1, xi, eta);
  const double sinhEta = std::sinh(eta);
  const double cosXi = std::cos(xi);
  const double conformal = std::sin(xi) / std::hypot(sinhEta, cosXi);
  return {std::atan(GeodeticTangent(conformal)) / kDegree, std::atan2(sinhEta, cosXi) / kDegree};
}

}  // namespace vantrel
